#include "macropanel.h"

#include "appconfig.h"
#include "filename.h"
#include "gunfiledialog.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "keyboardhook.h"
#include "keycodes.h"
#include "kitaccessible.h"
#include "kitscale.h"
#include "kittheme.h"
#include "macrolibrary.h"
#include "macrostepdelegate.h"
#include "mouseactiontree.h"
#include "paths.h"
#include "productdef.h"
#include "records.h"
#include "shortcutinhibit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QIntValidator>
#include <QListWidget>
#include <QLoggingCategory>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>

Q_LOGGING_CATEGORY(lcMacro, "mousecfg.macro", QtWarningMsg)

namespace {
const QStringList kCommandImages = {QStringLiteral("/skin/dlgbtn-1.png"),
                                    QStringLiteral("/skin/dlgbtn-3.png"),
                                    QStringLiteral("/skin/dlgbtn-2.png")};
constexpr int kButtonFont = 12;
constexpr int kCheckFont = 10;
constexpr int kListFont = 12;

// The macro list and the step list: dark fields like the kit's text fields.
const QString kListSheet = QStringLiteral(
    "QListWidget,QTableView{background-color:rgb(22,24,27);color:rgb(224,227,232);"
    "border:1@px solid rgb(62,66,72);border-radius:3@px;outline:none;"
    "selection-background-color:@accent@;selection-color:rgb(18,19,22);}"
    "QListWidget:focus,QTableView:focus{border:1@px solid @accent@;}"
    "QListWidget::item{padding:3@px 4@px;}"
    "QListWidget:disabled,QTableView:disabled{color:rgb(110,114,120);}"
    "QHeaderView{background:transparent;}"
    "QHeaderView::section{background-color:rgb(34,37,42);color:rgb(180,185,192);border:none;"
    "border-bottom:1@px solid rgb(62,66,72);padding:2@px 4@px;}"
    "QTableCornerButton::section{background:transparent;border:none;}");

// Left column: the macros (or the mouse actions); middle: the steps; right:
// the step operations above the recording settings or the step editor.
constexpr int kLeftX = 10, kLeftW = 150, kHalfW = 72, kHalf2X = 88;
constexpr int kMidX = 170, kMidW = 275;
constexpr int kRightX = 457, kRightW = 205, kOpW = 97, kOp2X = 560;
constexpr int kPanelY = 198;

const char* const kLoopTexts[] = {QT_TRANSLATE_NOOP("MacroPanel", "LOOPS TIME(1-255)"),
                                  QT_TRANSLATE_NOOP("MacroPanel", "REPEAT RUN WHEN KEY DOWN"),
                                  QT_TRANSLATE_NOOP("MacroPanel", "REPEAT RUN UNTIL THE KEY DOWN")};

QString tx(const char* source) {
    return QCoreApplication::translate("MacroPanel", source);
}

} // namespace

const QVector<MacroPanel::Command>& MacroPanel::commands() {
    using P = MacroPanel;
    // Step operations two to a row, GUN SET alone below.
    auto op = [](int i) { return QRect(i % 2 ? kOp2X : kRightX, 10 + 30 * (i / 2), kOpW, 26); };
    static const QVector<Command> table = {
        {"btnMouseAction",
         QT_TRANSLATE_NOOP("MacroPanel", "MOUSE ACTION"),
         {kLeftX, 10, kLeftW, 26},
         Section::ListHead,
         [](P& p) { p.mousemove_test(); },
         kOffInBatch},
        {"btnNew",
         QT_TRANSLATE_NOOP("MacroPanel", "NEW"),
         {kLeftX, 330, kHalfW, 26},
         Section::Macros,
         [](P& p) { p.newMacro(); },
         0},
        {"btnMacroDelete",
         QT_TRANSLATE_NOOP("MacroPanel", "DELETE"),
         {kHalf2X, 330, kHalfW, 26},
         Section::Macros,
         [](P& p) { p.deleteMacro(); },
         0},
        {"btnRename",
         QT_TRANSLATE_NOOP("MacroPanel", "CHANGE NAME"),
         {kLeftX, 362, kLeftW, 26},
         Section::Macros,
         [](P& p) { p.renameMacro(); },
         0},
        {"btnImport",
         QT_TRANSLATE_NOOP("MacroPanel", "IMPORT"),
         {kLeftX, 394, kHalfW, 26},
         Section::Macros,
         [](P& p) { p.importMacros(); },
         0},
        {"btnExport",
         QT_TRANSLATE_NOOP("MacroPanel", "EXPORT"),
         {kHalf2X, 394, kHalfW, 26},
         Section::Macros,
         [](P& p) { p.exportMacros(); },
         0},
        {"btnStart",
         QT_TRANSLATE_NOOP("MacroPanel", "START"),
         {kMidX, 428, kMidW, 30},
         Section::Recording,
         [](P& p) { p.startRecording(); },
         kOffInBatch},
        {"btnStop",
         QT_TRANSLATE_NOOP("MacroPanel", "STOP"),
         {kMidX, 428, kMidW, 30},
         Section::Recording,
         [](P& p) { p.stopRecording(); },
         kOnWhileRecording},
        {"btnEdit", QT_TRANSLATE_NOOP("MacroPanel", "EDIT"), op(0), Section::Steps,
         [](P& p) { p.beginEdit(); }, kOffInBatch},
        {"btnStepDelete", QT_TRANSLATE_NOOP("MacroPanel", "DELETE"), op(1), Section::Steps,
         [](P& p) {
             if (const int row = p.stepRow(); row >= 0) {
                 p.m_model->removeRow(row);
                 p.SelectRow(qMin(row, p.m_model->rowCount() - 1));
             }
         },
         kOffInBatch},
        {"btnTop", QT_TRANSLATE_NOOP("MacroPanel", "TOP"), op(2), Section::Steps,
         [](P& p) {
             if (const int row = p.stepRow(); row >= 0) p.moveRow(row, 0);
         },
         kOffInBatch},
        {"btnBottom", QT_TRANSLATE_NOOP("MacroPanel", "BOTTOM"), op(3), Section::Steps,
         [](P& p) {
             if (const int row = p.stepRow(); row >= 0) p.moveRow(row, p.m_model->rowCount() - 1);
         },
         kOffInBatch},
        {"btnMoveUp", QT_TRANSLATE_NOOP("MacroPanel", "MOVE UP"), op(4), Section::Steps,
         [](P& p) {
             if (const int row = p.stepRow(); row > 0) p.moveRow(row, row - 1);
         },
         kOffInBatch},
        {"btnMoveDown", QT_TRANSLATE_NOOP("MacroPanel", "MOVE DOWN"), op(5), Section::Steps,
         [](P& p) {
             const int row = p.stepRow();
             if (row >= 0 && row < p.m_model->rowCount() - 1) p.moveRow(row, row + 1);
         },
         kOffInBatch},
        {"btnClear", QT_TRANSLATE_NOOP("MacroPanel", "CLEAR"), op(6), Section::Steps,
         [](P& p) {
             if (p.m_model->rowCount() == 0) return;
             p.setSteps({});
             p.m_model->setHorizontalHeaderLabels({tr("ACTION"), tr("DELAY(ms)")});
         },
         kOffInBatch},
        {"btnInsertDelay", QT_TRANSLATE_NOOP("MacroPanel", "INSERT DELAY"), op(7), Section::Steps,
         [](P& p) {
             if (p.m_list->count() > 0) p.insertSteps({delayStep(delayCountFromMs(10, p.m_unit))});
         },
         kOffInBatch},
        {"btnSave", QT_TRANSLATE_NOOP("MacroPanel", "SAVE"), op(8), Section::Steps,
         [](P& p) { p.endEdit(true); }, kOffInBatch | kOnWhileEditing},
        {"btnCancel", QT_TRANSLATE_NOOP("MacroPanel", "CANCEL"), op(9), Section::Steps,
         [](P& p) { p.endEdit(false); }, kOffInBatch | kOnWhileEditing},
        {"btnGunSet",
         QT_TRANSLATE_NOOP("MacroPanel", "GUN SET"),
         {kRightX, 160, kOp2X + kOpW - kRightX, 26},
         Section::Steps,
         [](P& p) { p.gunSet(); },
         kOffInBatch},
    };
    return table;
}

MacroPanel::MacroPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MacroPanel"));
    setAttribute(Qt::WA_TranslucentBackground);
    m_unit = minDelay() > 0 ? minDelay() : 10;
    m_files.open = [](QWidget* p, const QString& caption, const QString& filter) {
        return QFileDialog::getOpenFileName(p, caption, QString(), filter);
    };
    m_files.openMany = [](QWidget* p, const QString& caption, const QString& filter) {
        return QFileDialog::getOpenFileNames(p, caption, QString(), filter);
    };
    m_files.save = [](QWidget* p, const QString& caption, const QString& proposed,
                      const QString& filter) {
        return QFileDialog::getSaveFileName(p, caption, proposed, filter);
    };
    m_files.folder = [](QWidget* p, const QString& caption) {
        return QFileDialog::getExistingDirectory(p, caption, QStringLiteral("./"));
    };
    buildControls();
    const QStringList names = readMacroNames();
    rebuildList(names.value(0));
    if (!names.isEmpty()) loadMacro(names.first());
    retranslate();
}

MacroPanel::~MacroPanel() = default;

void MacroPanel::addButtons(Section section) {
    for (const Command& c : commands()) {
        if (c.section != section) continue;
        auto* b = new KestPushButton(kCommandImages, this);
        b->setObjectName(QLatin1String(c.name));
        connect(b, &QPushButton::clicked, this, [this, run = c.run] { run(*this); });
        m_buttons.emplace_back(b, &c);
        place(b, c.rect);
    }
}

QCheckBox* MacroPanel::addCheck(const char* objectName, const QRect& logical) {
    auto* c = new QCheckBox(this);
    c->setObjectName(QLatin1String(objectName));
    setKitLook(c, "squareBox");
    // Toggled, not clicked: assistive tools toggle without a click.
    connect(c, &QCheckBox::toggled, this, &MacroPanel::checkbtn_clicked);
    place(c, logical);
    return c;
}

void MacroPanel::place(QWidget* w, const QRect& logical) {
    m_places.emplace_back(w, logical);
}

void MacroPanel::buildControls() {
    // Macros.
    addButtons(Section::ListHead);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(m_list, {kLeftX, 42, kLeftW, 228});
    connect(m_list, &QListWidget::itemClicked, this, &MacroPanel::onListItemClicked);
    connect(m_list, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { onListItemClicked(item); });
    m_tree = new MouseActionTree(this);
    m_tree->setObjectName(QStringLiteral("mouseTree"));
    m_tree->hide();
    place(m_tree, {kLeftX, 42, kLeftW, 228});
    connect(m_tree, &QTreeWidget::itemClicked, this, &MacroPanel::TreeitemClick);
    for (MouseActionItem* item : m_tree->findChildren<MouseActionItem*>())
        connect(item, &MouseActionItem::pressed, this, &MacroPanel::KestItemPressed);
    m_nameCaption = new KestLabel(this);
    m_nameCaption->setObjectName(QStringLiteral("nameCaption"));
    place(m_nameCaption, {kLeftX, 276, kLeftW, 18});
    m_nameEdit = new KestLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setMaxLength(kMaxFileNameLength);
    place(m_nameEdit, {kLeftX, 296, kLeftW, 26});
    addButtons(Section::Macros);
    m_batchBox = addCheck("chkBatch", {kLeftX, 428, kLeftW, 22});

    // Steps.
    m_model = new QStandardItemModel(0, 3, this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("stepView"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new MacroStepDelegate(m_unit, m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setShowGrid(false);
    m_view->setColumnHidden(2, true);
    // The delay column takes what its header and numbers need, the action
    // column the rest of the viewport, which shrinks when the bar shows.
    m_view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(m_view, {kMidX, 10, kMidW, 410});
    connect(m_view, &QTableView::clicked, this, &MacroPanel::itemClicked);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MacroPanel::CurrentChanged);
    addButtons(Section::Recording);
    control(QStringLiteral("btnStop"))->hide();
    addButtons(Section::Steps);

    // Recording settings.
    m_recordDelays = addCheck("chkRecordDelays", {kRightX, kPanelY, kRightW, 22});
    m_defaultDelayBox = addCheck("chkDefaultDelay", {kRightX, kPanelY + 26, kRightW, 22});
    m_defaultDelay = new KestLineEdit(this);
    m_defaultDelay->setObjectName(QStringLiteral("defaultDelay"));
    setDelayRange(m_defaultDelay, 0);
    place(m_defaultDelay, {kRightX + 24, kPanelY + 52, 64, 24});
    connect(m_defaultDelay, &QLineEdit::textEdited, this, &MacroPanel::DefDelayChanged);
    connect(m_defaultDelay, &QLineEdit::editingFinished, this,
            [this] { settleDelay(m_defaultDelay); });
    m_msLabel = new KestLabel(QStringLiteral("ms"), this);
    place(m_msLabel, {kRightX + 94, kPanelY + 52, 40, 24});
    const int loopY[3] = {kPanelY + 86, kPanelY + 146, kPanelY + 172};
    const char* loopNames[3] = {"chkLoopTime", "chkRepeatHeld", "chkRepeatUntil"};
    for (int i = 0; i < 3; ++i)
        m_loopBoxes[i] = addCheck(loopNames[i], {kRightX, loopY[i], kRightW, 22});
    m_loopTime = new KestLineEdit(this);
    m_loopTime->setObjectName(QStringLiteral("loopTime"));
    m_loopTime->setMaxLength(3);
    m_loopTime->setValidator(new CountValidator(m_loopTime));
    place(m_loopTime, {kRightX + 24, kPanelY + 112, 64, 24});
    connect(m_loopTime, &QLineEdit::textEdited, this, &MacroPanel::LoopTimeChanged);
    m_recordingPanel = {m_recordDelays, m_defaultDelayBox, m_defaultDelay, m_msLabel,
                        m_loopBoxes[0], m_loopBoxes[1],    m_loopBoxes[2], m_loopTime};

    // The step editor, in the same place; only the fields of the step's kind show.
    auto caption = [this](const char* name, int y) {
        auto* l = new KestLabel(this);
        l->setObjectName(QLatin1String(name));
        place(l, {kRightX, y, kRightW, 18});
        m_editorPanel << l;
        return l;
    };
    m_keyCaption = caption("keyCaption", kPanelY);
    m_delayCaption = caption("delayCaption", kPanelY);
    m_moveCaption = caption("moveCaption", kPanelY);
    m_commandCaption = caption("commandCaption", kPanelY);
    m_distanceCaption = caption("distanceCaption", kPanelY + 54);
    m_keyName = new KestLabel(this);
    m_keyName->setObjectName(QStringLiteral("keyName"));
    place(m_keyName, {kRightX, kPanelY + 20, kRightW, 26});
    m_editDelay = new KestLineEdit(this);
    m_editDelay->setObjectName(QStringLiteral("editDelay"));
    setDelayRange(m_editDelay, m_unit);
    place(m_editDelay, {kRightX, kPanelY + 20, 90, 26});
    connect(m_editDelay, &QLineEdit::textEdited, this, &MacroPanel::EditDelayChanged);
    connect(m_editDelay, &QLineEdit::editingFinished, this, [this] { settleDelay(m_editDelay); });
    m_editDistance = new KestLineEdit(this);
    m_editDistance->setObjectName(QStringLiteral("editDistance"));
    m_editDistance->setMaxLength(3);
    m_editDistance->setValidator(new QIntValidator(1, kMaxMoveDistance, m_editDistance));
    place(m_editDistance, {kRightX, kPanelY + 74, 90, 26});
    connect(m_editDistance, &QLineEdit::textEdited, this, &MacroPanel::EditMoveChanged);
    m_moveMenu = new KestMenu(this, kRightW);
    m_commandMenu = new KestMenu(this, kRightW);
    for (int i = 0; i < 4; ++i)
        m_moveMenu->addAction(QString(), this, [this, i] { chooseMoveDirection(i); });
    for (int i = 0; i < 5; ++i)
        m_commandMenu->addAction(QString(), this, [this, i] { chooseMouseCommand(i); });
    m_moveButton = new KestPushButton({QStringLiteral("/skin/rate.png")}, this);
    m_moveButton->setObjectName(QStringLiteral("btnMovement"));
    m_moveButton->setMenu(m_moveMenu);
    place(m_moveButton, {kRightX, kPanelY + 20, kRightW, 26});
    m_commandButton = new KestPushButton({QStringLiteral("/skin/rate.png")}, this);
    m_commandButton->setObjectName(QStringLiteral("btnMouseCommand"));
    m_commandButton->setMenu(m_commandMenu);
    place(m_commandButton, {kRightX, kPanelY + 20, kRightW, 26});
    m_editorPanel << m_keyName << m_editDelay << m_editDistance << m_moveButton << m_commandButton;
    for (QWidget* w : std::as_const(m_editorPanel))
        w->hide();

    // Recording moves the keyboard focus here, where typing changes nothing.
    m_focusSink = m_nameCaption;
    m_focusNote = new KestLabel(this);
    m_focusNote->setObjectName(QStringLiteral("focusNote"));
    m_focusNote->setWordWrap(true);
    m_focusNote->setTextColor(QColor(150, 155, 163));
    place(m_focusNote, {kRightX, kPanelY + 204, kRightW, 40});
    m_focusNote->hide();
}

QWidget* MacroPanel::control(const QString& objectName) const {
    return findChild<QWidget*>(objectName);
}

void MacroPanel::applyScale(double scale) {
    m_scale = scale;
    for (const auto& [w, r] : m_places)
        w->setGeometry(scaledRect(r, scale));
    for (const auto& entry : m_buttons)
        entry.first->refreshFont(kButtonFont);
    m_moveButton->refreshFont(kButtonFont);
    m_commandButton->refreshFont(kButtonFont);
    for (KestLabel* l : findChildren<KestLabel*>())
        l->refreshFont(kCheckFont);
    for (QCheckBox* c : findChildren<QCheckBox*>())
        c->setFont(scaledFont(kitFont(), kCheckFont, scale));
    for (KestLineEdit* e : findChildren<KestLineEdit*>())
        e->refreshStyle();
    m_moveMenu->refreshStyle();
    m_commandMenu->refreshStyle();
    const QString sheet = fillStyleTemplate(kListSheet, themeColor(), scale) +
                          scrollAreaStyleSheet(themeColor(), scale);
    m_list->setStyleSheet(sheet);
    m_view->setStyleSheet(sheet);
    // The application's sheet would win over the views' own for their bars.
    const QString bar = scrollAreaStyleSheet(themeColor(), scale);
    for (QAbstractScrollArea* area :
         {static_cast<QAbstractScrollArea*>(m_list), static_cast<QAbstractScrollArea*>(m_view),
          static_cast<QAbstractScrollArea*>(m_tree)})
        area->verticalScrollBar()->setStyleSheet(bar);
    m_list->setFont(scaledFont(kitFont(), kListFont, scale));
    m_view->setFont(scaledFont(kitFont(), kListFont, scale));
    m_view->horizontalHeader()->setFont(scaledFont(kitFont(), kCheckFont, scale));
    m_view->verticalHeader()->setDefaultSectionSize(scaled(26, scale));
    m_view->horizontalHeader()->setStyleSheet(fillStyleTemplate(kListSheet, themeColor(), scale));
    if (auto* d = qobject_cast<MacroStepDelegate*>(m_view->itemDelegate())) d->setScale(scale);
    m_tree->setScale(scale);
}

void MacroPanel::retranslate() {
    for (const auto& [b, c] : m_buttons)
        b->setLabel(tx(c->text));
    m_batchBox->setText(tr("BATCH"));
    m_recordDelays->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    m_defaultDelayBox->setText(tr("INSERT DEFAULT DELAY"));
    for (int i = 0; i < 3; ++i)
        m_loopBoxes[i]->setText(tx(kLoopTexts[i]));
    // Long translations may not fit the column: the tip always has the whole text.
    for (QCheckBox* c : {m_recordDelays, m_defaultDelayBox, m_loopBoxes[0], m_loopBoxes[1],
                         m_loopBoxes[2], m_batchBox})
        c->setToolTip(c->text());
    m_nameCaption->setText(tr("MACRO NAME"));
    m_focusNote->setText(tr("Keys are taken while this window has focus"));
    m_keyCaption->setText(tr("KEY"));
    m_delayCaption->setText(tr("DELAY"));
    m_moveCaption->setText(tr("MOVEMENT"));
    m_distanceCaption->setText(tr("DISTANCE"));
    m_commandCaption->setText(tr("MOUSE COMMAND"));
    m_list->setAccessibleName(tr("Macros"));
    m_view->setAccessibleName(tr("Macro steps"));
    m_nameEdit->setAccessibleName(tr("Macro name"));
    m_defaultDelay->setAccessibleName(tr("Default delay in ms"));
    m_loopTime->setAccessibleName(tr("Loop count"));
    m_editDelay->setAccessibleName(tr("Delay in ms"));
    m_editDistance->setAccessibleName(tr("Distance"));
    setAccessibleLabel(m_moveButton, tr("Movement"));
    setAccessibleLabel(m_commandButton, tr("Mouse command"));
    const auto moves = m_moveMenu->actions();
    for (int i = 0; i < moves.size(); ++i)
        moves[i]->setText(moveStepName(moveDirectionAt(i)));
    const auto commands = m_commandMenu->actions();
    for (int i = 0; i < commands.size(); ++i)
        commands[i]->setText(buttonStepName(buttonBitFromIndex(i)));
    m_model->setHorizontalHeaderLabels({tr("ACTION"), tr("DELAY(ms)")});
    m_tree->retranslate();
    if (m_editing) showStepEditor(currentRow());
}

// ---- Recording settings -----------------------------------------------------

void MacroPanel::checkbtn_clicked() {
    auto* box = qobject_cast<QCheckBox*>(sender());
    if (!box) return;
    if (box == m_batchBox) {
        setBatch(box->isChecked());
    } else if (box == m_recordDelays || box == m_defaultDelayBox) {
        QCheckBox* other = box == m_recordDelays ? m_defaultDelayBox : m_recordDelays;
        if (box->isChecked()) {
            const QSignalBlocker block(other);
            other->setChecked(false);
            m_delayType = box == m_recordDelays ? 1 : 2;
        } else {
            m_delayType = 0;
        }
    } else {
        for (QCheckBox* c : m_loopBoxes)
            if (c != box && box->isChecked()) {
                const QSignalBlocker block(c);
                c->setChecked(false);
            }
    }
}

void MacroPanel::DefDelayChanged(const QString& text) {
    qCDebug(lcMacro) << "default delay" << text;
}

void MacroPanel::LoopTimeChanged(const QString& text) {
    qCDebug(lcMacro) << "loop time" << text;
}

void MacroPanel::setBatch(bool on) {
    m_batch = on;
    {
        const QSignalBlocker block(m_batchBox);
        m_batchBox->setChecked(on);
    }
    for (const auto& [b, c] : m_buttons)
        if (c->availability & kOffInBatch) b->setEnabled(!on);
    for (QWidget* w : std::as_const(m_recordingPanel))
        w->setEnabled(!on);
    m_tree->setEnabled(!on);
    m_view->setEnabled(!on);
    rebuildList(m_current);
}

// ---- Mouse actions ----------------------------------------------------------

void MacroPanel::mousemove_test() {
    m_mousePanel = !m_mousePanel;
    m_tree->setVisible(m_mousePanel);
    m_list->setVisible(!m_mousePanel);
}

void MacroPanel::TreeitemClick(QTreeWidgetItem* item, int) {
    if (m_list->count() == 0 || m_recording || m_editing) return;
    int button = 0;
    const MouseActionTree::TreeAction action = m_tree->actionFor(item, &button);
    const uint8_t bit = buttonBitFromIndex(button);
    switch (action) {
    case MouseActionTree::TreeAction::Press:
        insertSteps(withDelay({buttonStep(bit, true)}));
        break;
    case MouseActionTree::TreeAction::Release:
        insertSteps(withDelay({buttonStep(bit, false)}));
        break;
    case MouseActionTree::TreeAction::Click:
        insertSteps(withDelay({buttonStep(bit, true), buttonStep(bit, false)}));
        break;
    default:
        break;
    }
}

void MacroPanel::KestItemPressed(MouseActionItem* item) {
    if (!item || m_list->count() == 0 || m_recording || m_editing) return;
    const int distance = item->distance();
    if (distance < 1 || distance > kMaxMoveDistance) return;
    insertSteps(withDelay({moveStep(item->direction(), distance)}));
}

int MacroPanel::notice(const QString& text, const QString& title, int kind) {
    KestMessageBox box(this, title.isEmpty() ? tr("Warning") : title, text, kind);
    return box.exec();
}
