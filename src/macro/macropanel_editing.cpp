#include "macropanel.h"

#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "keyboardhook.h"
#include "keycodes.h"
#include "macrostepdelegate.h"
#include "mouseactiontree.h"
#include "shortcutinhibit.h"

#include <QCheckBox>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

// The step list: its operations, mouse steps, recording from the keyboard
// and the step editor.

// ---- Steps ------------------------------------------------------------------

MacroStep MacroPanel::stepAt(int row) const {
    auto byte = [&](int column) { return uint8_t(m_model->item(row, column)->text().toInt()); };
    return {byte(0), byte(2), byte(1)};
}

void MacroPanel::setStepAt(int row, const MacroStep& step) {
    m_model->item(row, 0)->setText(QString::number(step.map));
    m_model->item(row, 1)->setText(QString::number(step.dataH));
    m_model->item(row, 2)->setText(QString::number(step.dataL));
    // A row is painted from all three columns: a change to the hidden one
    // alone must still repaint the delay the row shows.
    emit m_model->dataChanged(m_model->index(row, 0), m_model->index(row, 2));
}

namespace {
QList<QStandardItem*> rowItems(const MacroStep& s) {
    return {new QStandardItem(QString::number(s.map)), new QStandardItem(QString::number(s.dataH)),
            new QStandardItem(QString::number(s.dataL))};
}
} // namespace

std::vector<MacroStep> MacroPanel::steps() const {
    std::vector<MacroStep> out;
    out.reserve(size_t(m_model->rowCount()));
    for (int r = 0; r < m_model->rowCount(); ++r)
        out.push_back(stepAt(r));
    return out;
}

int MacroPanel::currentRow() const {
    const QModelIndex i = m_view->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void MacroPanel::setSteps(const std::vector<MacroStep>& steps) {
    m_model->removeRows(0, m_model->rowCount());
    for (const MacroStep& s : steps)
        m_model->appendRow(rowItems(s));
    m_view->setColumnHidden(2, true);
}

void MacroPanel::appendStep(const MacroStep& step) {
    m_model->appendRow(rowItems(step));
}

bool MacroPanel::insertSteps(const std::vector<MacroStep>& steps) {
    if (m_model->rowCount() + int(steps.size()) > kMaxMacroSteps) {
        notice(tr("A macro holds at most 63 steps."));
        return false;
    }
    int at = currentRow() + 1;
    for (const MacroStep& s : steps)
        m_model->insertRow(at++, rowItems(s));
    SelectRow(at - 1);
    return true;
}

std::vector<MacroStep> MacroPanel::withDelay(std::vector<MacroStep> steps) const {
    if (m_delayType == 0) return steps;
    const int ms = m_delayType == 1 ? 10 : m_defaultDelay->text().toInt();
    std::vector<MacroStep> out;
    for (const MacroStep& s : steps) {
        out.push_back(s);
        out.push_back(delayStep(delayCountFromMs(ms, m_unit)));
    }
    return out;
}

void MacroPanel::moveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || to >= m_model->rowCount()) return;
    const QList<QStandardItem*> items = m_model->takeRow(from);
    m_model->insertRow(to, items);
    SelectRow(to);
}

void MacroPanel::SelectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    m_view->selectRow(row);
    m_view->setCurrentIndex(m_model->index(row, 0));
    m_view->scrollTo(m_model->index(row, 0));
}

int MacroPanel::stepRow() const {
    return m_model->rowCount() == 0 ? -1 : currentRow();
}

void MacroPanel::itemClicked(const QModelIndex& index) {
    if (m_editing && index.isValid()) showStepEditor(index.row());
}

void MacroPanel::CurrentChanged(const QModelIndex& current, const QModelIndex&) {
    if (m_editing && current.isValid()) showStepEditor(current.row());
}

// ---- Recording and editing --------------------------------------------------

void MacroPanel::setHook(bool on) {
    if (!on) {
        m_inhibit.reset();
        m_hook.reset();
        m_focusNote->hide();
        return;
    }
    if (m_hook) return;
    m_hook = std::make_unique<KeyboardHook>();
    connect(m_hook.get(), &KeyboardHook::keyEvent, this, &MacroPanel::onHookKey);
    if (!m_hook->seesWholeDesktop()) {
        // Keys reach the hook only through this window: let the desktop's
        // own shortcuts through to it too, and say so.
        m_inhibit = std::make_unique<ShortcutInhibit>(window()->windowHandle());
        m_focusNote->show();
    }
}

void MacroPanel::setControlsEnabled(bool enabled) {
    // While recording only STOP acts; while editing SAVE, CANCEL, the step
    // list and the editor fields.
    for (const auto& [b, c] : m_buttons) {
        const bool keep = (c->availability & kOnWhileRecording) ||
                          (m_editing && (c->availability & kOnWhileEditing));
        b->setEnabled(enabled || keep);
    }
    for (QWidget* w : {static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_tree),
                       static_cast<QWidget*>(m_nameEdit), static_cast<QWidget*>(m_batchBox)})
        w->setEnabled(enabled);
    for (QWidget* w : std::as_const(m_recordingPanel))
        w->setEnabled(enabled);
    m_view->setEnabled(enabled || m_editing);
    if (enabled != !m_controlsDisabled) {
        m_controlsDisabled = !enabled;
        emit EnableButtonsSignal(enabled);
    }
}

void MacroPanel::startRecording() {
    m_recording = true;
    control(QStringLiteral("btnStart"))->hide();
    control(QStringLiteral("btnStop"))->show();
    setSteps({});
    if (m_list->count() == 0) return;
    setControlsEnabled(false);
    setHook(true);
    m_recorder.start(m_delayType, m_unit, m_defaultDelay->text().toInt());
    m_focusSink->setFocus(Qt::OtherFocusReason);
}

void MacroPanel::onHookKey(quint32 scanCode, quint32 flags) {
    if (m_editing) {
        const int row = currentRow();
        if (row < 0 || stepKind(stepAt(row)) != kStepKey || (flags & kHookKeyUp)) {
            if (flags & kHookKeyUp) m_lastKey = -1;
            return;
        }
        // Alt held changes nothing about which key it is.
        const uint8_t code = keyCodeFromHook(scanCode, flags & (kHookExtended | kHookKeyUp));
        if (code == m_lastKey) return; // the key's auto-repeat
        m_lastKey = code;
        uint8_t usage = 0;
        keyCodeToUsage(code, usage);
        MacroStep s = stepAt(row);
        s.dataL = usage;
        setStepAt(row, s);
        m_keyName->setText(keyName(code));
        m_focusSink->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_recording || m_list->count() == 0) return;
    const MacroRecorder::Result r = m_recorder.keyEvent(scanCode, flags, m_model->rowCount());
    if (r.count == 0) return;
    m_focusSink->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < r.count; ++i)
        appendStep(r.steps[i]);
    SelectRow(m_model->rowCount() - 1);
}

void MacroPanel::stopRecording() {
    m_recording = false;
    m_recorder.stop();
    control(QStringLiteral("btnStart"))->show();
    control(QStringLiteral("btnStop"))->hide();
    setControlsEnabled(true);
    releaseKeyboard();
    setHook(false);
    if (m_list->count() == 0) return;
    // Saved before the warning, so what was recorded is on disk whatever the
    // user does with the box.
    saveMacro(m_current);
    if (!allKeysReleased(steps())) notice(tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
}

void MacroPanel::beginEdit() {
    const int row = currentRow();
    if (row < 0 || m_list->count() == 0) return;
    m_editing = true;
    m_lastKey = -1;
    setControlsEnabled(false);
    showStepEditor(row);
}

void MacroPanel::showStepEditor(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    for (QWidget* w : std::as_const(m_recordingPanel))
        w->hide();
    for (QWidget* w : std::as_const(m_editorPanel))
        w->hide();
    const MacroStep s = stepAt(row);
    QList<QWidget*> shown;
    bool keyEdit = false;
    switch (stepKind(s)) {
    case kStepKey: {
        uint8_t code = 0;
        m_keyName->setText(usageToKeyCode(s.dataL, code) ? keyName(code) : QString());
        shown = {m_keyCaption, m_keyName};
        keyEdit = true;
        // The next key is the step's new key; it must not also move through
        // the step list or type into a field.
        m_focusSink->setFocus(Qt::OtherFocusReason);
        break;
    }
    case kStepDelay:
        m_editDelay->setText(QString::number(delayCount(s) * m_unit));
        shown = {m_delayCaption, m_editDelay};
        break;
    case kStepMove: {
        const int dir = int(moveDirection(s));
        m_moveButton->setLabel(moveStepName(moveDirectionAt(dir)));
        m_moveButton->setProperty("direction", dir);
        m_editDistance->setText(QString::number(moveDistance(s)));
        shown = {m_moveCaption, m_moveButton, m_distanceCaption, m_editDistance};
        break;
    }
    case kStepButton:
        m_commandButton->setLabel(buttonStepName(buttonBitFromIndex(buttonIndexFromBit(s.dataL))));
        shown = {m_commandCaption, m_commandButton};
        break;
    default:
        break;
    }
    for (QWidget* w : std::as_const(shown)) {
        w->show();
        w->setEnabled(true);
    }
    setHook(keyEdit);
}

int MacroPanel::editedDelayRow() const {
    const int row = currentRow();
    return m_editing && row >= 0 && stepKind(stepAt(row)) == kStepDelay ? row : -1;
}

void MacroPanel::EditDelayChanged(const QString& text) {
    const int row = editedDelayRow();
    if (row < 0) return;
    // A number still being typed ("6" on the way to "65535") is not taken.
    bool ok = false;
    const int ms = text.toInt(&ok);
    if (!ok || ms < m_unit || ms > maxDelayMs(m_unit)) return;
    setStepAt(row, delayStep(delayCountFromMs(ms, m_unit)));
}

void MacroPanel::setDelayRange(KestLineEdit* field, int bottom) {
    const int top = maxDelayMs(m_unit);
    field->setValidator(new CountValidator(bottom, top, field));
    field->setMaxLength(int(QString::number(top).size()));
}

void MacroPanel::settleDelay(KestLineEdit* field) {
    if (!field->hasAcceptableInput()) return;
    // Whole units: 123 with a 10 ms unit is stored, and so shown, as 120.
    const int ms = storedDelayMs(field->text().toInt(), m_unit);
    const QString shown = QString::number(ms);
    if (field->text() != shown) field->setText(shown);
    const int row = editedDelayRow();
    if (field == m_editDelay && row >= 0) setStepAt(row, delayStep(delayCountFromMs(ms, m_unit)));
}

bool MacroPanel::refuseDelayOutOfRange() {
    for (KestLineEdit* field : {m_defaultDelay, m_editDelay}) {
        // The step's field counts only while it edits a delay; an empty
        // default delay is stored as none.
        const bool used = field == m_editDelay ? editedDelayRow() >= 0 : !field->text().isEmpty();
        if (!used || field->hasAcceptableInput()) continue;
        const auto* range = static_cast<const QIntValidator*>(field->validator());
        notice(tr("A delay must be between %1 and %2 ms.").arg(range->bottom()).arg(range->top()));
        field->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void MacroPanel::EditMoveChanged(const QString& text) {
    const int row = currentRow();
    if (!m_editing || row < 0 || stepKind(stepAt(row)) != kStepMove) return;
    bool ok = false;
    const int d = text.toInt(&ok);
    if (!ok || d < 1 || d > kMaxMoveDistance) return;
    // Only the chosen axis's byte changes, as typed.
    MacroStep s = stepAt(row);
    switch (moveDirectionAt(m_moveButton->property("direction").toInt())) {
    case MoveDirection::Left:
        s.dataL = uint8_t(256 - d);
        break;
    case MoveDirection::Right:
        s.dataL = uint8_t(d);
        break;
    case MoveDirection::Up:
        s.dataH = uint8_t(256 - d);
        break;
    case MoveDirection::Down:
        s.dataH = uint8_t(d);
        break;
    }
    setStepAt(row, s);
}

void MacroPanel::chooseMoveDirection(int index) {
    const int row = currentRow();
    if (!m_editing || row < 0 || stepKind(stepAt(row)) != kStepMove) return;
    m_moveButton->setProperty("direction", index);
    m_moveButton->setLabel(moveStepName(moveDirectionAt(qBound(0, index, 3))));
    const int d = qBound(0, m_editDistance->text().toInt(), kMaxMoveDistance);
    setStepAt(row, moveStep(moveDirectionAt(index), d));
}

void MacroPanel::chooseMouseCommand(int index) {
    const int row = currentRow();
    if (!m_editing || row < 0 || stepKind(stepAt(row)) != kStepButton) return;
    m_commandButton->setLabel(buttonStepName(buttonBitFromIndex(qBound(0, index, 4))));
    MacroStep s = stepAt(row);
    s.dataL = buttonBitFromIndex(index);
    setStepAt(row, s);
}

void MacroPanel::endEdit(bool save) {
    if (m_list->count() == 0 && save) return;
    if (save) {
        if (refuseDelayOutOfRange()) return;
        // SAVE may come without the fields losing the focus first.
        settleDelay(m_defaultDelay);
        settleDelay(m_editDelay);
        saveMacro(m_current);
    } else {
        loadMacro(m_current);
    }
    m_editing = false;
    setHook(false);
    for (QWidget* w : std::as_const(m_editorPanel))
        w->hide();
    for (QWidget* w : std::as_const(m_recordingPanel))
        w->show();
    setControlsEnabled(true);
}
