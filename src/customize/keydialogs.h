// The dialogs that capture keys for a mouse button: a single key, a key
// combination, and a rapid-fire key with its count and delay.
#pragma once

#include "kestlineedit.h"
#include "skindialog.h"

#include <bitset>
#include <memory>

struct ButtonInfo;
class KestLabel;
class KeyboardHook;
class QButtonGroup;
class QCheckBox;
class ShortcutInhibit;

// The field that shows the captured key. A key typed into it is only a key
// being captured: Enter and Escape neither accept nor cancel the dialog, since
// both are keys a button may well send. Tab still moves the focus on.
class KeyField : public KestLineEdit {
    Q_OBJECT
public:
    explicit KeyField(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// What the key dialogs share: a keyboard hook that exists exactly as long as
// the dialog, the key field, and the sifting of hook events before a dialog
// takes them. Where the hook sees only this program's windows a line under
// the key field says so, and while shown the dialog asks the desktop to pass
// its own shortcuts (Super, Alt+Tab) on, so they can be captured too.
class KeyCaptureDialog : public SkinDialog {
    Q_OBJECT
public:
    ~KeyCaptureDialog() override;
    KeyField* keyField() const { return m_keyField; }
    // False when no hook could be set up; OK and Cancel still work.
    bool hookActive() const;
    // The line saying keys are taken only while the dialog has the focus;
    // null where keys are seen on the whole desktop.
    KestLabel* focusNote() const { return m_focusNote; }
    void setVisible(bool visible) override;

public slots:
    // One key event as a low-level keyboard hook reports it.
    void onHookEvent(quint32 scanCode, quint32 flags);

protected:
    KeyCaptureDialog(QWidget* parent, double scale, const QSize& logicalSize);
    // A (code, flags) pair that passed the sifting and differs from the one
    // before it.
    virtual void takeKey(quint8 code, quint32 flags) = 0;
    // Whether the dialog takes keys at all just now.
    virtual bool capturing() const { return true; }
    // From now on the release of a key pressed earlier is not a key of its own.
    void forgetHeldKeys();
    bool isHeld(quint8 code) const { return m_held.test(code); }
    void changeEvent(QEvent* event) override;

private:
    bool typedIntoControls(quint32 scanCode) const;
    void retranslateNote();

    std::unique_ptr<KeyboardHook> m_hook;
    std::unique_ptr<ShortcutInhibit> m_inhibit;
    KeyField* m_keyField;
    KestLabel* m_focusNote = nullptr;
    std::bitset<256> m_held;
    bool m_havePrevious = false;
    quint8 m_previousCode = 0;
    quint32 m_previousFlags = 0;
};

class SingleKeyDialog : public KeyCaptureDialog {
    Q_OBJECT
public:
    SingleKeyDialog(QWidget* parent, double scale, quint8 initialCode);
    // The key: the last one pressed or released (0 while there is none).
    quint8 keyCode() const { return m_code; }

signals:
    void SetSingleKeyValue(quint8 keyCode);

protected:
    void takeKey(quint8 code, quint32 flags) override;
    void retranslate() override;

private:
    void showKey();

    KestLabel* m_hint;
    quint8 m_code;
};

// The two key codes behind one combination slot.
using ComboHotKeys = quint8[2];

class ComboKeyDialog : public KeyCaptureDialog {
    Q_OBJECT
public:
    enum Slot { ShiftSlot, CtrlSlot, WindowsSlot, AltSlot, KeySlot, SlotCount };
    // Starts on the button's combination when it holds one (function 7).
    ComboKeyDialog(QWidget* parent, double scale, const ButtonInfo& button);

    // The keys held together at the last key-down, in the order Shift, Ctrl,
    // Windows, Alt, key: 0 unused; a modifier 1 left-hand, 2 right-hand; the
    // key slot 1.
    const quint8* comboSlots() const { return m_slots; }
    // Per slot the key codes behind it: [0] the left-hand key (the key slot's
    // key), [1] the right-hand one; 0 where unused.
    const ComboHotKeys* hotKeyCodes() const { return m_hotKeys; }
    quint8 keyCode() const { return m_hotKeys[KeySlot][0]; }
    QString keyText() const;

signals:
    void SetComboKeyValue(const quint8* iComboKey, const ComboHotKeys* iHotKeyCode);

protected:
    void takeKey(quint8 code, quint32 flags) override;
    void retranslate() override;

private:
    void setSlot(int slot, int side, quint8 code);
    void showValue();

    KestLabel* m_hint;
    quint8 m_slots[SlotCount] = {};
    ComboHotKeys m_hotKeys[SlotCount] = {};
    // The non-modifier key held now (0: none); it fills the key slot at the
    // next key-down.
    quint8 m_heldKey = 0;
};

class FireKeyDialog : public KeyCaptureDialog {
    Q_OBJECT
public:
    enum Choice { LeftChoice, RightChoice, MiddleChoice, KeyboardChoice, ChoiceCount };
    // Times and delay outside 1-255 (0 for a button never set) show their
    // defaults.
    FireKeyDialog(QWidget* parent, double scale, quint8 res1, int loopNumber, int keyNumber);

    int choice() const { return m_choice; }
    // The keyboard key; 0 unless "Keyboard Key" is chosen and a key taken.
    quint8 keyCode() const { return m_code; }
    // The fields' numbers, 0 while a field is empty.
    int times() const;
    int delay() const;

    QCheckBox* choiceBox(int choice) const { return m_boxes[choice]; }
    KestLineEdit* timesEdit() const { return m_times; }
    KestLineEdit* delayEdit() const { return m_delay; }

signals:
    void SetFireKeyValue(quint8 keyCode, int choice, int times, int delay);

public slots:
    void onStateChanged(int state);
    void OnEditDataChanged(const QString& text);
    void checkbtn_clicked();
    void onEditReturn();

protected:
    void takeKey(quint8 code, quint32 flags) override;
    bool capturing() const override;
    void retranslate() override;

private:
    void choose(int choice);
    void updateOk();
    void emitValue();

    QCheckBox* m_boxes[ChoiceCount];
    QButtonGroup* m_group;
    KestLabel* m_timesLabel;
    KestLabel* m_delayLabel;
    KestLineEdit* m_times;
    KestLineEdit* m_delay;
    int m_choice = LeftChoice;
    quint8 m_code = 0;
};
