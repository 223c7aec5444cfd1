// The MACRO tab: the saved macros, their steps, recording from the keyboard,
// mouse steps and delays inserted by hand, step editing and gun files.
#pragma once

#include "macrofile.h"
#include "macrolibrary.h"
#include "macrorecorder.h"

#include <QModelIndex>
#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

struct DeviceSettings;
class KestLabel;
class KestLineEdit;
class KestMenu;
class KestPushButton;
class MouseActionItem;
class MouseActionTree;
class KeyboardHook;
class ShortcutInhibit;
class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QStandardItemModel;
class QTableView;
class QTreeWidgetItem;

class MacroPanel : public QWidget {
    Q_OBJECT
public:
    explicit MacroPanel(QWidget* parent = nullptr);
    ~MacroPanel() override;

    // The five profiles, asked before a macro that buttons use is deleted.
    void setSettings(const DeviceSettings* settings) { m_settings = settings; }
    void applyScale(double scale);
    void retranslate();

    // What the page shows, for the window and the tests.
    QString currentMacro() const { return m_current; }
    std::vector<MacroStep> steps() const;
    int currentRow() const;
    bool recording() const { return m_recording; }
    bool editing() const { return m_editing; }
    bool batchMode() const { return m_batch; }
    uint8_t delayType() const { return m_delayType; }
    int delayUnit() const { return m_unit; }
    QListWidget* macroList() const { return m_list; }
    QTableView* stepView() const { return m_view; }
    MouseActionTree* mouseTree() const { return m_tree; }
    KestLineEdit* nameField() const { return m_nameEdit; }
    // The page's controls by object name ("btnNew", "btnStart", "chkBatch", ...).
    QWidget* control(const QString& objectName) const;

    // The file dialogs, replaceable where no one can answer them.
    struct FileChooser {
        std::function<QString(QWidget*, const QString& caption, const QString& filter)> open;
        std::function<QStringList(QWidget*, const QString& caption, const QString& filter)>
            openMany;
        std::function<QString(QWidget*, const QString& caption, const QString& proposed,
                              const QString& filter)>
            save;
        std::function<QString(QWidget*, const QString& caption)> folder;
    };
    void setFileChooser(const FileChooser& chooser) { m_files = chooser; }

signals:
    // False while recording or editing a step: the window's other controls
    // must wait.
    void EnableButtonsSignal(bool bEnable);
    // EXPORT wrote its files: what and where, in the user's words.
    void ExportedSignal(const QString& text);

public slots:
    void TreeitemClick(QTreeWidgetItem* item, int column);
    void itemClicked(const QModelIndex& index);
    void EditMoveChanged(const QString& text);
    void EditDelayChanged(const QString& text);
    void DefDelayChanged(const QString& text);
    void LoopTimeChanged(const QString& text);
    void CurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void mousemove_test();
    void KestItemPressed(MouseActionItem* item);
    void checkbtn_clicked();
    void SelectRow(int row);
    // One key from the keyboard hook (scan code and hook flags).
    void onHookKey(quint32 scanCode, quint32 flags);

private slots:
    void onListItemClicked(QListWidgetItem* item);

private:
    // The page's push buttons, one table: name, text, place, what a click
    // does, and when the button takes clicks.
    enum class Section { ListHead, Macros, Recording, Steps };
    enum Availability {
        kOffInBatch = 1,       // works on one macro's steps: off while several are chosen
        kOnWhileRecording = 2, // the one way out of a recording
        kOnWhileEditing = 4,   // the ways out of editing a step
    };
    struct Command {
        const char* name;
        const char* text;
        QRect rect;
        Section section; // where the layout makes it, in table order
        void (*run)(MacroPanel&);
        int availability;
    };
    static const QVector<Command>& commands();

    void buildControls();
    // Makes the buttons of one section of the layout, in table order.
    void addButtons(Section section);
    QCheckBox* addCheck(const char* objectName, const QRect& logical);
    void place(QWidget* w, const QRect& logical);

    // Macros.
    void rebuildList(const QString& current);
    void loadMacro(const QString& name);
    bool saveMacro(const QString& name);
    MacroFile editorMacro(const QString& name) const;
    void newMacro();
    void renameMacro();
    void deleteMacro();
    // "Used by: profile 1 button 3, ...": where the buttons using a macro are.
    QString macroUsersText(const std::vector<MacroUser>& users) const;
    void importMacros();
    void exportMacros();
    void gunSet();
    bool refuseWhenFull();

    // Steps.
    MacroStep stepAt(int row) const;
    void setStepAt(int row, const MacroStep& step);
    void setSteps(const std::vector<MacroStep>& steps);
    void appendStep(const MacroStep& step);
    // Inserts after the current row and selects the last one inserted; refused
    // with a notice when the list would outgrow what a button holds.
    bool insertSteps(const std::vector<MacroStep>& steps);
    // The delay a hand-inserted mouse step is followed by (none for type 0).
    std::vector<MacroStep> withDelay(std::vector<MacroStep> steps) const;
    void moveRow(int from, int to);
    // The current row for a step operation; -1 with no steps or none current.
    int stepRow() const;

    // Recording and editing.
    void startRecording();
    void stopRecording();
    void beginEdit();
    void showStepEditor(int row);
    void endEdit(bool save);
    void setHook(bool on);
    void setControlsEnabled(bool enabled);
    void setBatch(bool on);
    void chooseMoveDirection(int index);
    void chooseMouseCommand(int index);
    // The row of the delay step being edited, -1 when none is.
    int editedDelayRow() const;
    // A delay field takes digits from `bottom` up to the longest storable delay.
    void setDelayRange(KestLineEdit* field, int bottom);
    // Shows a delay field's value as it will be stored, before it is stored.
    void settleDelay(KestLineEdit* field);
    // True, after a notice naming the limits, when a delay field holds a value
    // no step can store: it is refused rather than quietly changed.
    bool refuseDelayOutOfRange();

    int notice(const QString& text, const QString& title = QString(), int kind = 2);

    const DeviceSettings* m_settings = nullptr;
    double m_scale = 1.0;
    int m_unit = 10;
    QString m_current;
    uint8_t m_delayType = 0;
    bool m_recording = false;
    bool m_editing = false;
    bool m_batch = false;
    bool m_mousePanel = false;
    bool m_controlsDisabled = false;
    MacroRecorder m_recorder;
    std::unique_ptr<KeyboardHook> m_hook;
    std::unique_ptr<ShortcutInhibit> m_inhibit;
    int m_lastKey = -1; // the key-edit mode's last key, for its repeats
    FileChooser m_files;

    QListWidget* m_list = nullptr;
    MouseActionTree* m_tree = nullptr;
    QTableView* m_view = nullptr;
    QStandardItemModel* m_model = nullptr;
    KestLineEdit* m_nameEdit = nullptr;
    KestLineEdit* m_defaultDelay = nullptr;
    KestLineEdit* m_loopTime = nullptr;
    KestLineEdit* m_editDelay = nullptr;
    KestLineEdit* m_editDistance = nullptr;
    KestLabel* m_nameCaption = nullptr;
    KestLabel* m_keyCaption = nullptr;
    KestLabel* m_keyName = nullptr;
    KestLabel* m_delayCaption = nullptr;
    KestLabel* m_moveCaption = nullptr;
    KestLabel* m_distanceCaption = nullptr;
    KestLabel* m_commandCaption = nullptr;
    KestLabel* m_msLabel = nullptr;
    KestLabel* m_focusSink = nullptr;
    // Shown while keys are taken only from this program's windows.
    KestLabel* m_focusNote = nullptr;
    KestPushButton* m_moveButton = nullptr;
    KestPushButton* m_commandButton = nullptr;
    KestMenu* m_moveMenu = nullptr;
    KestMenu* m_commandMenu = nullptr;
    QCheckBox* m_recordDelays = nullptr;
    QCheckBox* m_defaultDelayBox = nullptr;
    QCheckBox* m_loopBoxes[3] = {};
    QCheckBox* m_batchBox = nullptr;
    std::vector<std::pair<QWidget*, QRect>> m_places;
    std::vector<std::pair<KestPushButton*, const Command*>> m_buttons;
    QList<QWidget*> m_recordingPanel;
    QList<QWidget*> m_editorPanel;
};
