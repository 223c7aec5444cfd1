// The dialog where the user edits which profile follows which application in front.
#pragma once

#include "desktopfocus.h"
#include "focuswatch.h"
#include "kestdialogframe.h"

#include <vector>

class AppFollower;
class KestLabel;
class KestPushButton;
class QCheckBox;
class QComboBox;
class QTreeWidget;

class AppRulesDialog : public KestDialogFrame {
    Q_OBJECT
public:
    AppRulesDialog(AppFollower* follower, QWidget* parent, double scale);

    QString title() const;
    // The sentence on where the application in front comes from; `gnome` only
    // counts while no source reports.
    void showSource(FocusWatch::Source source, GnomeExtensionState gnome);

    QCheckBox* switchBox() const { return m_switch; }
    QTreeWidget* ruleList() const { return m_rules; }
    QComboBox* ruleProfile() const { return m_ruleProfile; }
    KestPushButton* removeButton() const { return m_remove; }
    QComboBox* newApp() const { return m_newApp; }
    QComboBox* newProfile() const { return m_newProfile; }
    KestPushButton* addButton() const { return m_add; }
    QComboBox* defaultProfile() const { return m_default; }
    KestLabel* problemLabel() const { return m_problem; }
    KestLabel* sourceLabel() const { return m_source; }
    KestLabel* commandLabel() const { return m_command; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the follower's rules, keeping the selected rule selected.
    void refresh();
    void retranslate();
    void applyFonts();
    void refreshRunningApps();
    QString selectedApp() const;
    void selectApp(const QString& app);
    void onSelectionChanged();
    void addRule();
    void removeSelected();
    void setSelectedProfile(int index);
    void setDefault(int index);
    void setSwitch(bool on);
    // Shows the edit's problem (translated) or clears the last one; a refused
    // edit also puts the controls back to what the rules hold.
    void report(const char* problem);

    struct KitFont {
        QWidget* widget;
        int logicalPixels;
        bool bold;
    };
    void setKitFont(QWidget* widget, int logicalPixels, bool bold = false);

    AppFollower* m_follower;
    FocusWatch::Source m_sourceShown = FocusWatch::Source::None;
    GnomeExtensionState m_gnome = GnomeExtensionState::NotGnome;
    const char* m_lastProblem = nullptr;
    std::vector<KitFont> m_fonts;

    KestLabel* m_title;
    QCheckBox* m_switch;
    KestLabel* m_source;
    KestLabel* m_command;
    KestLabel* m_rulesHeading;
    QTreeWidget* m_rules;
    KestLabel* m_ruleProfileLabel;
    QComboBox* m_ruleProfile;
    KestPushButton* m_remove;
    KestLabel* m_newHeading;
    QComboBox* m_newApp;
    QComboBox* m_newProfile;
    KestPushButton* m_add;
    KestLabel* m_problem;
    KestLabel* m_defaultLabel;
    QComboBox* m_default;
    KestPushButton* m_close;
};
