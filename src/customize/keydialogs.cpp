#include "keydialogs.h"

#include "buttondescription.h"
#include "buttonfunctions.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "keyboardhook.h"
#include "keycodes.h"
#include "kittheme.h"
#include "records.h"
#include "shortcutinhibit.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QSignalBlocker>

// Key events are what the user types: off unless asked for.
Q_LOGGING_CATEGORY(lcKeyCapture, "mousecfg.keycapture", QtInfoMsg)

namespace {

constexpr quint32 kTabScanCode = 0x0F;
constexpr int kFocusNoteHeight = 22;
const QColor kHintColor(150, 155, 163);

struct Modifier {
    quint8 code;
    int slot;
    int side; // 1 left-hand, 2 right-hand
};
constexpr Modifier kModifiers[] = {
    {0x2A, ComboKeyDialog::ShiftSlot, 1},   {0x36, ComboKeyDialog::ShiftSlot, 2},
    {0x1D, ComboKeyDialog::CtrlSlot, 1},    {0xEE, ComboKeyDialog::CtrlSlot, 2},
    {0x5B, ComboKeyDialog::WindowsSlot, 1}, {0x5C, ComboKeyDialog::WindowsSlot, 2},
    {0x38, ComboKeyDialog::AltSlot, 1},     {0xEF, ComboKeyDialog::AltSlot, 2},
};

const Modifier* modifierOf(quint8 code) {
    for (const Modifier& m : kModifiers)
        if (m.code == code) return &m;
    return nullptr;
}

quint8 modifierCode(int slot, int side) {
    for (const Modifier& m : kModifiers)
        if (m.slot == slot && m.side == side) return m.code;
    return 0;
}

} // namespace

KeyField::KeyField(QWidget* parent) : KestLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setObjectName(QStringLiteral("keyField"));
}

bool KeyField::event(QEvent* event) {
    // A key typed here is not a shortcut of any window either.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return KestLineEdit::event(event);
}

void KeyField::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void KeyField::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

KeyCaptureDialog::KeyCaptureDialog(QWidget* parent, double scale, const QSize& logicalSize)
    : SkinDialog(parent, scale, logicalSize), m_hook(std::make_unique<KeyboardHook>()),
      m_keyField(new KeyField(this)) {
    setKitFont(m_keyField, 15, true);
    connect(m_hook.get(), &KeyboardHook::keyEvent, this, &KeyCaptureDialog::onHookEvent);
    if (!m_hook->seesWholeDesktop()) {
        // A key typed into another window never arrives: say so where the
        // buttons were, and move them down.
        m_focusNote = new KestLabel(this);
        setKitFont(m_focusNote, 12);
        m_focusNote->setTextColor(kHintColor);
        const int y = buttonRowTop();
        place(m_focusNote, kMargin, y - 2, logicalSize.width() - 2 * kMargin, 18);
        setLogicalHeight(logicalSize.height() + kFocusNoteHeight);
        retranslateNote();
    }
}

KeyCaptureDialog::~KeyCaptureDialog() = default;

void KeyCaptureDialog::setVisible(bool visible) {
    // Before the window goes: the request names its surface.
    if (!visible) m_inhibit.reset();
    SkinDialog::setVisible(visible);
    if (visible && m_focusNote && !m_inhibit)
        m_inhibit = std::make_unique<ShortcutInhibit>(windowHandle());
}

void KeyCaptureDialog::changeEvent(QEvent* event) {
    SkinDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslateNote();
}

void KeyCaptureDialog::retranslateNote() {
    if (m_focusNote) m_focusNote->setText(tr("Keys are taken while this dialog has focus"));
}

bool KeyCaptureDialog::hookActive() const {
    return m_hook->isActive();
}

void KeyCaptureDialog::forgetHeldKeys() {
    m_held.reset();
    m_havePrevious = false;
}

bool KeyCaptureDialog::typedIntoControls(quint32 scanCode) const {
    // Typed into this dialog, keys off the key field work its buttons and
    // fields, and Tab moves between them; keys typed anywhere else (the
    // desktop may take one) are captured.
    if (!isActiveWindow()) return false;
    const QWidget* focus = focusWidget();
    return (focus && focus != m_keyField) || scanCode == kTabScanCode;
}

void KeyCaptureDialog::onHookEvent(quint32 scanCode, quint32 flags) {
    const quint8 code = keyCodeFromHook(scanCode, flags);
    qCDebug(lcKeyCapture, "%s dwVCode = %x dwFlag = %x", metaObject()->className(), code, flags);
    // No key has code 0: nothing to capture.
    if (code == 0 || !capturing() || typedIntoControls(scanCode)) return;
    const bool up = flags & kHookKeyUp;
    // Auto-repeat sends the same pair again and again.
    if (m_havePrevious && code == m_previousCode && flags == m_previousFlags) return;
    // The release of a key that was down before (the Enter that opened the
    // dialog, the Space that ticked a box) is no key of the user's choosing.
    if (up && !m_held.test(code)) return;
    m_held.set(code, !up);
    m_havePrevious = true;
    m_previousCode = code;
    m_previousFlags = flags;
    takeKey(code, flags);
}

// ---------------------------------------------------------------------------

SingleKeyDialog::SingleKeyDialog(QWidget* parent, double scale, quint8 initialCode)
    : KeyCaptureDialog(parent, scale, QSize(360, 176)), m_hint(new KestLabel(this)),
      m_code(initialCode) {
    setKitFont(m_hint, 13);
    m_hint->setTextColor(kHintColor);
    place(m_hint, kMargin, kBodyTop, 360 - 2 * kMargin, 20);
    place(keyField(), kMargin, 80, 360 - 2 * kMargin, 32);
    keyField()->setFocus();
    showKey();
    retranslate();
}

void SingleKeyDialog::retranslate() {
    setTitle(tr("Single Key"));
    m_hint->setText(tr("Press a key"));
    keyField()->setAccessibleName(tr("Key"));
}

void SingleKeyDialog::takeKey(quint8 code, quint32) {
    m_code = code;
    showKey();
    emit SetSingleKeyValue(code);
}

void SingleKeyDialog::showKey() {
    keyField()->setText(keyName(m_code));
    okButton()->setEnabled(m_code != 0);
}

// ---------------------------------------------------------------------------

ComboKeyDialog::ComboKeyDialog(QWidget* parent, double scale, const ButtonInfo& button)
    : KeyCaptureDialog(parent, scale, QSize(400, 176)), m_hint(new KestLabel(this)) {
    setKitFont(m_hint, 13);
    m_hint->setTextColor(kHintColor);
    place(m_hint, kMargin, kBodyTop, 400 - 2 * kMargin, 20);
    place(keyField(), kMargin, 80, 400 - 2 * kMargin, 32);
    keyField()->setFocus();

    if (button.Fun == kComboKeyCode) {
        const ComboKeys keys = comboKeysOf(button);
        for (int slot = ShiftSlot; slot < KeySlot; ++slot)
            if (keys.sides[slot])
                setSlot(slot, keys.sides[slot], modifierCode(slot, keys.sides[slot]));
        if (keys.key) setSlot(KeySlot, 1, keys.key);
    }
    showValue();
    retranslate();
}

void ComboKeyDialog::retranslate() {
    setTitle(tr("Combo Key"));
    m_hint->setText(tr("Press the keys together"));
    keyField()->setAccessibleName(tr("Keys"));
}

QString ComboKeyDialog::keyText() const {
    // The words the button's label uses for the stored combination.
    ComboKeys keys;
    for (int slot = ShiftSlot; slot < KeySlot; ++slot)
        keys.sides[slot] = m_slots[slot];
    if (m_slots[KeySlot]) keys.key = m_hotKeys[KeySlot][0];
    return comboKeysText(keys);
}

void ComboKeyDialog::setSlot(int slot, int side, quint8 code) {
    m_slots[slot] = quint8(side);
    m_hotKeys[slot][slot == KeySlot ? 0 : side - 1] = code;
}

void ComboKeyDialog::takeKey(quint8 code, quint32 flags) {
    const Modifier* pressed = modifierOf(code);
    if (flags & kHookKeyUp) {
        // The value stays what the last key-down made it.
        if (!pressed && code == m_heldKey) m_heldKey = 0;
        return;
    }
    if (!pressed) m_heldKey = code;
    // The value is every key held now: the first key-down replaces the stored
    // combination, a later one builds on the modifiers still held.
    std::fill(&m_slots[0], &m_slots[0] + SlotCount, quint8(0));
    std::fill(&m_hotKeys[0][0], &m_hotKeys[0][0] + 2 * SlotCount, quint8(0));
    for (int slot = ShiftSlot; slot < KeySlot; ++slot) {
        for (int side = 2; side >= 1; --side) {
            const quint8 key = modifierCode(slot, side);
            if (isHeld(key)) setSlot(slot, side, key);
        }
        // Both hands held: the one just pressed names the slot.
        if (pressed && pressed->slot == slot) m_slots[slot] = quint8(pressed->side);
    }
    if (m_heldKey) setSlot(KeySlot, 1, m_heldKey);
    showValue();
    emit SetComboKeyValue(m_slots, m_hotKeys);
}

void ComboKeyDialog::showValue() {
    const QString text = keyText();
    keyField()->setText(text);
    okButton()->setEnabled(!text.isEmpty());
}

// ---------------------------------------------------------------------------

FireKeyDialog::FireKeyDialog(QWidget* parent, double scale, quint8 res1, int loopNumber,
                             int keyNumber)
    : KeyCaptureDialog(parent, scale, QSize(400, 232)), m_group(new QButtonGroup(this)),
      m_timesLabel(new KestLabel(this)), m_delayLabel(new KestLabel(this)),
      m_times(new KestLineEdit(this)), m_delay(new KestLineEdit(this)) {
    for (int i = 0; i < ChoiceCount; ++i) {
        m_boxes[i] = new QCheckBox(this);
        setKitLook(m_boxes[i], "squareBox");
        setKitFont(m_boxes[i], 13);
        m_group->addButton(m_boxes[i], i);
        connect(m_boxes[i], &QCheckBox::stateChanged, this, &FireKeyDialog::onStateChanged);
        connect(m_boxes[i], &QCheckBox::clicked, this, &FireKeyDialog::checkbtn_clicked);
    }
    place(m_boxes[LeftChoice], kMargin, 56, 104, 24);
    place(m_boxes[RightChoice], 140, 56, 104, 24);
    place(m_boxes[MiddleChoice], 252, 56, 120, 24);
    place(m_boxes[KeyboardChoice], kMargin, 90, 140, 24);
    place(keyField(), 172, 88, 200, 28);

    for (KestLabel* l : {m_timesLabel, m_delayLabel})
        setKitFont(l, 13);
    m_delayLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(m_timesLabel, kMargin, 132, 68, 24);
    place(m_times, 100, 130, 70, 28);
    place(m_delayLabel, 200, 132, 96, 24);
    place(m_delay, 302, 130, 70, 28);
    for (KestLineEdit* e : {m_times, m_delay}) {
        e->setValidator(new CountValidator(e));
        e->setMaxLength(3);
        setKitFont(e, 13);
        connect(e, &QLineEdit::textChanged, this, &FireKeyDialog::OnEditDataChanged);
        connect(e, &QLineEdit::returnPressed, this, &FireKeyDialog::onEditReturn);
    }
    // Out of range is what a damaged file holds: a count the field could not
    // have taken is shown as the default.
    {
        const QSignalBlocker b1(m_times), b2(m_delay);
        m_times->setText(QString::number(fireCountOrDefault(loopNumber, kDefaultFireTimes)));
        m_delay->setText(QString::number(fireCountOrDefault(keyNumber, kDefaultFireDelay)));
    }

    const int initial = fireChoiceOf(res1);
    {
        const QSignalBlocker block(m_boxes[initial]);
        m_boxes[initial]->setChecked(true);
    }
    choose(initial);
    if (initial == KeyboardChoice && usageToKeyCode(res1, m_code))
        keyField()->setText(keyName(m_code));
    // In the order they are seen.
    for (int i = 1; i < ChoiceCount; ++i)
        setTabOrder(m_boxes[i - 1], m_boxes[i]);
    setTabOrder(m_boxes[KeyboardChoice], keyField());
    setTabOrder(keyField(), m_times);
    setTabOrder(m_times, m_delay);
    setTabOrder(m_delay, okButton());
    setTabOrder(okButton(), cancelButton());
    (initial == KeyboardChoice ? static_cast<QWidget*>(keyField()) : m_boxes[initial])->setFocus();
    updateOk();
    retranslate();
}

void FireKeyDialog::retranslate() {
    setTitle(tr("FireKey Setting"));
    m_boxes[LeftChoice]->setText(tr("Left"));
    m_boxes[RightChoice]->setText(tr("Right"));
    m_boxes[MiddleChoice]->setText(tr("Middle"));
    m_boxes[KeyboardChoice]->setText(tr("Keyboard Key"));
    m_timesLabel->setText(tr("Times:"));
    m_delayLabel->setText(tr("Delay:"));
    keyField()->setAccessibleName(tr("Keyboard Key"));
    m_times->setAccessibleName(tr("Times"));
    m_delay->setAccessibleName(tr("Delay in ms"));
}

int FireKeyDialog::times() const {
    return CountValidator::countOf(m_times->text());
}

int FireKeyDialog::delay() const {
    return CountValidator::countOf(m_delay->text());
}

bool FireKeyDialog::capturing() const {
    const QWidget* focus = focusWidget();
    return m_choice == KeyboardChoice && focus != m_times && focus != m_delay;
}

void FireKeyDialog::choose(int choice) {
    m_choice = choice;
    const bool keyboard = choice == KeyboardChoice;
    keyField()->setEnabled(keyboard);
    m_code = 0;
    keyField()->clear();
    // Keys down while the box was ticked (its Space, say) are not the choice.
    forgetHeldKeys();
    updateOk();
}

void FireKeyDialog::onStateChanged(int state) {
    if (state != Qt::Checked) return;
    for (int i = 0; i < ChoiceCount; ++i)
        if (sender() == m_boxes[i] && i != m_choice) {
            choose(i);
            // Queued: an arrow key that moved the choice gives its box the
            // focus after this.
            if (i == KeyboardChoice)
                QMetaObject::invokeMethod(keyField(), qOverload<>(&QWidget::setFocus),
                                          Qt::QueuedConnection);
        }
}

void FireKeyDialog::checkbtn_clicked() {
    emitValue();
}

void FireKeyDialog::OnEditDataChanged(const QString&) {
    updateOk();
    emitValue();
}

void FireKeyDialog::onEditReturn() {
    emitValue();
}

void FireKeyDialog::takeKey(quint8 code, quint32) {
    m_code = code;
    keyField()->setText(keyName(code));
    updateOk();
}

void FireKeyDialog::updateOk() {
    // A keyboard key is stored as its HID usage: a key without one (or no key
    // at all) would be stored as 0, which fires the left button instead.
    quint8 usage = 0;
    const bool keyOk = m_choice != KeyboardChoice || keyCodeToUsage(m_code, usage);
    okButton()->setEnabled(keyOk && times() > 0 && delay() > 0);
}

void FireKeyDialog::emitValue() {
    emit SetFireKeyValue(m_code, m_choice, times(), delay());
}
