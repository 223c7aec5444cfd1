// The button page: one skinned button per mouse button, labelled with what it
// does; pressing one opens the function menu, and the chosen function is
// written into the current profile (in memory only; the main window saves and
// sends it).
#pragma once

#include <QHash>
#include <QList>
#include <QWidget>
#include <cstdint>
#include <records.h>

class KestAction;
class KestMenu;
class KestPushButton;
class QAction;

class ButtonPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kListButtons = 20;
    static constexpr uint8_t kNone = 0xFF;

    ButtonPanel(MouseProfile* profile, QWidget* parent, double scale);

    void setProfile(MouseProfile* profile);
    void setCurrentButton(uint8_t index, uint8_t group);
    uint8_t currentIndex() const { return m_index; }
    uint8_t currentGroup() const { return m_group; }
    void rescale(double scale);
    void retranslate();
    void refreshLabels();
    // Lays the list out from the product definition again.
    void layoutButtons();
    // The height the buttons need, for the scroll area around the window.
    int contentHeight() const;

    // The record a button stands for (-1 for none), and the reverse.
    int recordOf(const KestPushButton* button) const;
    KestPushButton* buttonForRecord(int record) const;
    // The record shown as row `number` (1-based, as painted), -1 for none.
    int recordOfRow(int number) const;
    // Opens the function menu of a record's button at the pointer.
    void openMenu(int record);

    KestMenu* topMenu() const { return m_topMenu; }
    KestMenu* wheelMenu() const { return m_wheelMenu; }
    // The live action for a catalogue code (nullptr when none).
    QAction* actionFor(int code) const;

signals:
    void SelBtnControl(KestPushButton* btn, bool bType);
    // A macro was picked while none is saved: the macro page should open.
    void macroNeeded();
    void PopOneClickBox();
    // A record's assignment changed.
    void assignmentChanged(int record);

public slots:
    void OnMouseEnterSlot(KestPushButton* btn);
    void slotMouseOver(KestPushButton* btn, bool bType);
    void slotMouseEnter(KestPushButton* btn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Names each row for assistive tools by its painted number.
    void nameRows();
    void onActionTriggered();
    // Assigns `code` to `button`'s entry, through its dialog where it has one.
    void pick(int code, KestPushButton* button);
    enum class Outcome { Assigned, Cancelled, Refused };
    // Runs the rule and the dialog behind `code` for record `record`.
    Outcome assign(int record, int code);
    KestAction* makeAction(int code);
    void rebuildMenus();
    void applyGroupVisibility();
    KestPushButton* currentButton() const;
    void showWarning(const QString& text);

    MouseProfile* m_profile;
    double m_scale;
    uint8_t m_index = kNone;
    uint8_t m_group = kNone;
    int m_contentHeight = 0;
    QList<KestPushButton*> m_list;
    QList<KestPushButton*> m_second;
    QList<KestPushButton*> m_wheel;
    QList<QWidget*> m_wheelIcons;
    KestMenu* m_topMenu;
    KestMenu* m_wheelMenu;
    QList<KestMenu*> m_subMenus; // Basic … Polling Rate, Profile Menu included
    // The live action of every catalogue code; rebuilt entries replace theirs.
    QHash<int, KestAction*> m_actions;
};
