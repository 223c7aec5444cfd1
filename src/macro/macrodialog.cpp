#include "macrodialog.h"

#include "appconfig.h"
#include "filename.h"
#include "kestgunsetdialog.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmacroitemdelegate.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kesttreewidget.h"
#include "keyboardhook.h"
#include "keycodes.h"
#include "kitscale.h"
#include "kittheme.h"
#include "macrolibrary.h"
#include "paths.h"
#include "productdef.h"
#include "records.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QIntValidator>
#include <QListWidget>
#include <QScrollBar>
#include <QLoggingCategory>
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
    "border-bottom:1@px solid rgb(62,66,72);padding:2@px 6@px;}"
    "QTableCornerButton::section{background:transparent;border:none;}");

// Left column: the macros (or the mouse actions); middle: the steps; right:
// the step operations above the recording settings or the step editor.
constexpr int kLeftX = 10, kLeftW = 150, kHalfW = 72, kHalf2X = 88;
constexpr int kMidX = 170, kMidW = 275;
constexpr int kRightX = 457, kRightW = 205, kOpW = 97, kOp2X = 560;
constexpr int kPanelY = 198;

const char* const kStepButtons[][2] = {
    {"btnEdit", QT_TRANSLATE_NOOP("MacroDialog", "EDIT")},
    {"btnStepDelete", QT_TRANSLATE_NOOP("MacroDialog", "DELETE")},
    {"btnTop", QT_TRANSLATE_NOOP("MacroDialog", "TOP")},
    {"btnBottom", QT_TRANSLATE_NOOP("MacroDialog", "BOTTOM")},
    {"btnMoveUp", QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP")},
    {"btnMoveDown", QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN")},
    {"btnClear", QT_TRANSLATE_NOOP("MacroDialog", "CLEAR")},
    {"btnInsertDelay", QT_TRANSLATE_NOOP("MacroDialog", "INSERT DELAY")},
    {"btnSave", QT_TRANSLATE_NOOP("MacroDialog", "SAVE")},
    {"btnCancel", QT_TRANSLATE_NOOP("MacroDialog", "CANCEL")},
    {"btnGunSet", QT_TRANSLATE_NOOP("MacroDialog", "GUN SET")},
};

const char* const kMacroButtons[][2] = {
    {"btnMouseAction", QT_TRANSLATE_NOOP("MacroDialog", "MOUSE ACTION")},
    {"btnNew", QT_TRANSLATE_NOOP("MacroDialog", "NEW")},
    {"btnMacroDelete", QT_TRANSLATE_NOOP("MacroDialog", "DELETE")},
    {"btnRename", QT_TRANSLATE_NOOP("MacroDialog", "CHANGE NAME")},
    {"btnImport", QT_TRANSLATE_NOOP("MacroDialog", "IMPORT")},
    {"btnExport", QT_TRANSLATE_NOOP("MacroDialog", "EXPORT")},
    {"btnStart", QT_TRANSLATE_NOOP("MacroDialog", "START")},
    {"btnStop", QT_TRANSLATE_NOOP("MacroDialog", "STOP")},
};

const char* const kMoveTexts[] = {
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE LEFT"), QT_TRANSLATE_NOOP("MacroDialog", "MOVE RIGHT"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"), QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN")};
const char* const kCommandTexts[] = {QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK"),
                                     QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK"),
                                     QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK"),
                                     QT_TRANSLATE_NOOP("MacroDialog", "FORWARD"),
                                     QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD")};
const char* const kLoopTexts[] = {
    QT_TRANSLATE_NOOP("MacroDialog", "LOOPS TIME(1-255)"),
    QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN UNTIL THE KEY DOWN")};

QString tx(const char* source) {
    return QCoreApplication::translate("MacroDialog", source);
}

MoveDirection directionAt(int index) {
    constexpr MoveDirection order[] = {MoveDirection::Left, MoveDirection::Right, MoveDirection::Up,
                                       MoveDirection::Down};
    return order[qBound(0, index, 3)];
}
} // namespace

MacroDialog::MacroDialog(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MacroDialog"));
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

MacroDialog::~MacroDialog() = default;

KestPushButton* MacroDialog::addButton(const char* objectName, const QRect& logical) {
    auto* b = new KestPushButton(kCommandImages, this);
    b->setObjectName(QLatin1String(objectName));
    connect(b, &QPushButton::clicked, this, &MacroDialog::onButtonClicked);
    m_buttons << b;
    place(b, logical);
    return b;
}

QCheckBox* MacroDialog::addCheck(const char* objectName, const QRect& logical) {
    auto* c = new QCheckBox(this);
    c->setObjectName(QLatin1String(objectName));
    setKitLook(c, "squareBox");
    connect(c, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    place(c, logical);
    return c;
}

void MacroDialog::place(QWidget* w, const QRect& logical) {
    m_places.emplace_back(w, logical);
}

void MacroDialog::buildControls() {
    // Macros.
    addButton("btnMouseAction", {kLeftX, 10, kLeftW, 26});
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(m_list, {kLeftX, 42, kLeftW, 228});
    connect(m_list, &QListWidget::itemClicked, this, &MacroDialog::onListItemClicked);
    connect(m_list, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { onListItemClicked(item); });
    m_tree = new KestTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("mouseTree"));
    m_tree->hide();
    place(m_tree, {kLeftX, 42, kLeftW, 228});
    connect(m_tree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    for (KestTreeItem* item : m_tree->findChildren<KestTreeItem*>())
        connect(item, &KestTreeItem::pressed, this, &MacroDialog::KestItemPressed);
    m_nameCaption = new KestLabel(this);
    m_nameCaption->setObjectName(QStringLiteral("nameCaption"));
    place(m_nameCaption, {kLeftX, 276, kLeftW, 18});
    m_nameEdit = new KestLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setMaxLength(kMaxFileNameLength);
    place(m_nameEdit, {kLeftX, 296, kLeftW, 26});
    addButton("btnNew", {kLeftX, 330, kHalfW, 26});
    addButton("btnMacroDelete", {kHalf2X, 330, kHalfW, 26});
    addButton("btnRename", {kLeftX, 362, kLeftW, 26});
    addButton("btnImport", {kLeftX, 394, kHalfW, 26});
    addButton("btnExport", {kHalf2X, 394, kHalfW, 26});
    m_batchBox = addCheck("chkBatch", {kLeftX, 428, kLeftW, 22});

    // Steps.
    m_model = new QStandardItemModel(0, 3, this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("stepView"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new KestMacroItemDelegate(m_unit, m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setShowGrid(false);
    m_view->setColumnHidden(2, true);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(m_view, {kMidX, 10, kMidW, 410});
    connect(m_view, &QTableView::clicked, this, &MacroDialog::itemClicked);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MacroDialog::CurrentChanged);
    addButton("btnStart", {kMidX, 428, kMidW, 30});
    addButton("btnStop", {kMidX, 428, kMidW, 30})->hide();

    // Step operations, two to a row, GUN SET alone below.
    for (int i = 0; i < 10; ++i)
        addButton(kStepButtons[i][0], {i % 2 ? kOp2X : kRightX, 10 + 30 * (i / 2), kOpW, 26});
    addButton("btnGunSet", {kRightX, 160, kOp2X + kOpW - kRightX, 26});

    // Recording settings.
    m_recordDelays = addCheck("chkRecordDelays", {kRightX, kPanelY, kRightW, 22});
    m_defaultDelayBox = addCheck("chkDefaultDelay", {kRightX, kPanelY + 26, kRightW, 22});
    m_defaultDelay = new KestLineEdit(this);
    m_defaultDelay->setObjectName(QStringLiteral("defaultDelay"));
    m_defaultDelay->setMaxLength(5);
    m_defaultDelay->setValidator(new QIntValidator(0, 65535, m_defaultDelay));
    place(m_defaultDelay, {kRightX + 24, kPanelY + 52, 64, 24});
    connect(m_defaultDelay, &QLineEdit::textEdited, this, &MacroDialog::DefDelayChanged);
    m_msLabel = new KestLabel(QStringLiteral("ms"), this);
    place(m_msLabel, {kRightX + 94, kPanelY + 52, 40, 24});
    const int loopY[3] = {kPanelY + 86, kPanelY + 146, kPanelY + 172};
    const char* loopNames[3] = {"chkLoopTime", "chkRepeatHeld", "chkRepeatUntil"};
    for (int i = 0; i < 3; ++i)
        m_loopBoxes[i] = addCheck(loopNames[i], {kRightX, loopY[i], kRightW, 22});
    m_loopTime = new KestLineEdit(this);
    m_loopTime->setObjectName(QStringLiteral("loopTime"));
    m_loopTime->setMaxLength(3);
    m_loopTime->setValidator(new QIntValidator(1, 255, m_loopTime));
    place(m_loopTime, {kRightX + 24, kPanelY + 112, 64, 24});
    connect(m_loopTime, &QLineEdit::textEdited, this, &MacroDialog::LoopTimeChanged);
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
    m_editDelay->setMaxLength(5);
    m_editDelay->setValidator(new QIntValidator(10, 65535, m_editDelay));
    place(m_editDelay, {kRightX, kPanelY + 20, 90, 26});
    connect(m_editDelay, &QLineEdit::textEdited, this, &MacroDialog::EditDelayChanged);
    m_editDistance = new KestLineEdit(this);
    m_editDistance->setObjectName(QStringLiteral("editDistance"));
    m_editDistance->setMaxLength(3);
    m_editDistance->setValidator(new QIntValidator(1, kMaxMoveDistance, m_editDistance));
    place(m_editDistance, {kRightX, kPanelY + 74, 90, 26});
    connect(m_editDistance, &QLineEdit::textEdited, this, &MacroDialog::EditMoveChanged);
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
}

QWidget* MacroDialog::control(const QString& objectName) const {
    return findChild<QWidget*>(objectName);
}

void MacroDialog::applyScale(double scale) {
    m_scale = scale;
    for (const auto& [w, r] : m_places)
        w->setGeometry(scaledRect(r, scale));
    for (KestPushButton* b : std::as_const(m_buttons))
        b->refreshFont(kButtonFont);
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
    for (QAbstractScrollArea* area : {static_cast<QAbstractScrollArea*>(m_list),
                                      static_cast<QAbstractScrollArea*>(m_view),
                                      static_cast<QAbstractScrollArea*>(m_tree)})
        area->verticalScrollBar()->setStyleSheet(bar);
    m_list->setFont(scaledFont(kitFont(), kListFont, scale));
    m_view->setFont(scaledFont(kitFont(), kListFont, scale));
    m_view->horizontalHeader()->setFont(scaledFont(kitFont(), kCheckFont, scale));
    m_view->verticalHeader()->setDefaultSectionSize(scaled(26, scale));
    m_view->setColumnWidth(0, scaled(190, scale));
    m_view->horizontalHeader()->setStyleSheet(fillStyleTemplate(kListSheet, themeColor(), scale));
    if (auto* d = qobject_cast<KestMacroItemDelegate*>(m_view->itemDelegate())) d->setScale(scale);
    m_tree->setScale(scale);
}

void MacroDialog::retranslate() {
    for (const auto& b : kMacroButtons)
        if (auto* w = findChild<KestPushButton*>(QLatin1String(b[0]))) w->setLabel(tx(b[1]));
    for (const auto& b : kStepButtons)
        if (auto* w = findChild<KestPushButton*>(QLatin1String(b[0]))) w->setLabel(tx(b[1]));
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
    m_keyCaption->setText(tr("KEY"));
    m_delayCaption->setText(tr("DELAY"));
    m_moveCaption->setText(tr("MOVEMENT"));
    m_distanceCaption->setText(tr("DISTANCE"));
    m_commandCaption->setText(tr("MOUSE COMMAND"));
    const auto moves = m_moveMenu->actions();
    for (int i = 0; i < moves.size(); ++i)
        moves[i]->setText(tx(kMoveTexts[i]));
    const auto commands = m_commandMenu->actions();
    for (int i = 0; i < commands.size(); ++i)
        commands[i]->setText(tx(kCommandTexts[i]));
    m_model->setHorizontalHeaderLabels({tr("ACTION"), tr("DELAY(ms)")});
    m_tree->retranslate();
    if (m_editing) showStepEditor(currentRow());
}

// ---- Macros -----------------------------------------------------------------

void MacroDialog::rebuildList(const QString& current) {
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const QString& name : readMacroNames()) {
        auto* item = new QListWidgetItem(name, m_list);
        if (m_batch) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        if (name == current) m_list->setCurrentItem(item);
    }
}

void MacroDialog::onListItemClicked(QListWidgetItem* item) {
    if (!item || m_recording || m_editing) return;
    if (item->text() == m_current && m_list->currentItem() == item && !m_current.isEmpty() &&
        m_nameEdit->text() == m_current)
        return;
    loadMacro(item->text());
}

void MacroDialog::loadMacro(const QString& name) {
    const MacroFile f = readMacroFile(name);
    m_current = name;
    m_nameEdit->setText(name);
    m_delayType = f.delayType <= 2 ? f.delayType : 0;
    {
        const QSignalBlocker a(m_recordDelays), b(m_defaultDelayBox);
        m_recordDelays->setChecked(m_delayType == 1);
        m_defaultDelayBox->setChecked(m_delayType == 2);
    }
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(m_loopBoxes[i]);
        m_loopBoxes[i]->setChecked(f.loopType == i + 1);
    }
    m_defaultDelay->setText(f.defaultDelay);
    m_loopTime->setText(f.loopTime);
    setSteps(f.steps);
    if (m_model->rowCount() > 0) SelectRow(m_model->rowCount() - 1);
}

MacroFile MacroDialog::editorMacro(const QString& name) const {
    MacroFile f;
    f.name = name;
    f.steps = steps();
    f.defaultDelay = m_defaultDelay->text();
    f.delayType = m_delayType;
    for (int i = 0; i < 3; ++i)
        if (m_loopBoxes[i]->isChecked()) f.loopType = i + 1;
    f.loopTime = m_loopTime->text();
    return f;
}

bool MacroDialog::saveMacro(const QString& name) {
    if (name.isEmpty()) return false;
    if (writeMacroFile(editorMacro(name))) return true;
    notice(tr("The macro \"%1\" could not be saved.").arg(name));
    return false;
}

bool MacroDialog::refuseWhenFull() {
    if (macroCount() < kMacroSlots) return false;
    notice(tr("TOO MANY MACROS TO BE CREATE!"), tr("WARNING"), KestMessageBox::Question);
    return true;
}

void MacroDialog::newMacro() {
    if (refuseWhenFull()) return;
    const QString name = newMacroName();
    {
        const QSignalBlocker a(m_recordDelays), b(m_defaultDelayBox);
        m_recordDelays->setChecked(false);
        m_defaultDelayBox->setChecked(false);
    }
    m_delayType = 0;
    for (QCheckBox* c : m_loopBoxes) {
        const QSignalBlocker block(c);
        c->setChecked(false);
    }
    setSteps({});
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
    if (!saveMacro(name)) return;
    if (!addToMacroList(name)) {
        notice(tr("The macro list could not be saved."));
        return;
    }
    m_current = name;
    rebuildList(name);
    m_nameEdit->setText(name);
}

void MacroDialog::renameMacro() {
    if (m_list->count() == 0 || m_current.isEmpty()) return;
    const QString typed = m_nameEdit->text();
    QString renamed;
    switch (::renameMacro(m_current, typed, &renamed)) {
    case MacroOp::InvalidName:
        notice(tr("Invalid macro name."));
        m_nameEdit->setText(m_current);
        return;
    case MacroOp::Done:
        break;
    default:
        notice(tr("The macro \"%1\" could not be renamed.").arg(m_current));
        return;
    }
    m_current = renamed;
    rebuildList(renamed);
    m_nameEdit->setText(renamed);
}

void MacroDialog::deleteMacro() {
    if (m_list->count() == 0 || !m_list->currentItem()) return;
    const QString name = m_list->currentItem()->text();
    if (name.isEmpty()) return;
    const int users = m_settings ? macroUsers(*m_settings, name) : 0;
    if (users > 0 &&
        notice(tr("Buttons using \"%1\": %2. They would send an empty macro. Delete it anyway?")
                   .arg(name)
                   .arg(users),
               tr("Warning"), KestMessageBox::Question) != QDialog::Accepted)
        return;
    if (::deleteMacro(name) != MacroOp::Done) {
        notice(tr("The macro \"%1\" could not be deleted.").arg(name));
        return;
    }
    const int row = m_list->currentRow();
    rebuildList(QString());
    if (m_list->count() == 0) {
        m_current.clear();
        m_nameEdit->clear();
        setSteps({});
        return;
    }
    QListWidgetItem* next = m_list->item(qMin(row, m_list->count() - 1));
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentItem(next);
    }
    loadMacro(next->text());
}

void MacroDialog::importMacros() {
    const QString caption = tr("Load Macro File");
    const QString filter = tr("Macro File(*.MSMACRO)");
    if (!m_batch) {
        const QString path = m_files.open(this, caption, filter);
        if (path.isEmpty()) return;
        QString name;
        switch (importMacro(path, &name)) {
        case MacroOp::Done:
            break;
        case MacroOp::Exists:
            notice(tr("Macro Exist!"));
            return;
        case MacroOp::InvalidName:
            notice(tr("Invalid macro name."));
            return;
        case MacroOp::Full:
            refuseWhenFull();
            return;
        case MacroOp::Failed:
            notice(tr("Not copied: %1").arg(QDir::toNativeSeparators(path)));
            return;
        }
        rebuildList(name);
        loadMacro(name);
        return;
    }
    const QStringList paths = m_files.openMany(this, caption, filter);
    QStringList notCopied;
    QString last;
    for (const QString& path : paths) {
        QString name;
        if (importMacro(path, &name) == MacroOp::Done)
            last = name;
        else
            notCopied << QDir::toNativeSeparators(path);
    }
    rebuildList(m_current);
    if (!notCopied.isEmpty())
        notice(tr("Not copied: %1").arg(notCopied.join(QStringLiteral(", "))));
}

void MacroDialog::exportMacros() {
    const QString filter = tr("Macro File(*.MSMACRO)");
    if (!m_batch) {
        if (m_current.isEmpty()) return;
        const QString path = m_files.save(this, tr("Save Macro File"), m_current, filter);
        if (path.isEmpty()) return;
        if (exportMacro(m_current, path) != MacroOp::Done)
            notice(tr("Not copied: %1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QStringList chosen;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked) chosen << m_list->item(i)->text();
    if (chosen.isEmpty()) return;
    const QString dir = m_files.folder(this, tr("Save Macro File"));
    if (dir.isEmpty()) return;
    QStringList notCopied;
    for (const QString& name : std::as_const(chosen))
        if (exportMacro(name, QDir(dir).filePath(name + QStringLiteral(".MSMACRO"))) !=
            MacroOp::Done)
            notCopied << name;
    if (!notCopied.isEmpty())
        notice(tr("Not copied: %1").arg(notCopied.join(QStringLiteral(", "))));
}

void MacroDialog::gunSet() {
    if (refuseWhenFull()) return;
    KestGunsetDialog dialog(this, m_scale);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString name = uniqueMacroName(dialog.name());
    if (!isValidFileName(name)) {
        notice(tr("Invalid macro name."));
        return;
    }
    setSteps({});
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
    MacroFile gun;
    gun.name = name;
    gun.steps = dialog.steps();
    gun.defaultDelay = QStringLiteral("10");
    gun.delayType = 1;
    gun.loopTime = QStringLiteral("1");
    if (!writeMacroFile(gun, false)) {
        notice(tr("The macro \"%1\" could not be saved.").arg(name));
        return;
    }
    addToMacroList(name);
    rebuildList(name);
    loadMacro(name);
}

// ---- Steps ------------------------------------------------------------------

MacroStep MacroDialog::stepAt(int row) const {
    auto byte = [&](int column) { return uint8_t(m_model->item(row, column)->text().toInt()); };
    return {byte(0), byte(2), byte(1)};
}

void MacroDialog::setStepAt(int row, const MacroStep& step) {
    m_model->item(row, 0)->setText(QString::number(step.map));
    m_model->item(row, 1)->setText(QString::number(step.dataH));
    m_model->item(row, 2)->setText(QString::number(step.dataL));
}

namespace {
QList<QStandardItem*> rowItems(const MacroStep& s) {
    return {new QStandardItem(QString::number(s.map)), new QStandardItem(QString::number(s.dataH)),
            new QStandardItem(QString::number(s.dataL))};
}
} // namespace

std::vector<MacroStep> MacroDialog::steps() const {
    std::vector<MacroStep> out;
    out.reserve(size_t(m_model->rowCount()));
    for (int r = 0; r < m_model->rowCount(); ++r)
        out.push_back(stepAt(r));
    return out;
}

int MacroDialog::currentRow() const {
    const QModelIndex i = m_view->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void MacroDialog::setSteps(const std::vector<MacroStep>& steps) {
    m_model->removeRows(0, m_model->rowCount());
    for (const MacroStep& s : steps)
        m_model->appendRow(rowItems(s));
    m_view->setColumnHidden(2, true);
}

void MacroDialog::appendStep(const MacroStep& step) {
    m_model->appendRow(rowItems(step));
}

bool MacroDialog::insertSteps(const std::vector<MacroStep>& steps) {
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

std::vector<MacroStep> MacroDialog::withDelay(std::vector<MacroStep> steps) const {
    if (m_delayType == 0) return steps;
    const int ms = m_delayType == 1 ? 10 : m_defaultDelay->text().toInt();
    std::vector<MacroStep> out;
    for (const MacroStep& s : steps) {
        out.push_back(s);
        out.push_back(delayStep(delayCountFromMs(ms, m_unit)));
    }
    return out;
}

void MacroDialog::moveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || to >= m_model->rowCount()) return;
    const QList<QStandardItem*> items = m_model->takeRow(from);
    m_model->insertRow(to, items);
    SelectRow(to);
}

void MacroDialog::SelectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    m_view->selectRow(row);
    m_view->setCurrentIndex(m_model->index(row, 0));
    m_view->scrollTo(m_model->index(row, 0));
}

void MacroDialog::stepOperation(const QString& n) {
    const int rows = m_model->rowCount();
    const int row = currentRow();
    if (n == QLatin1String("btnInsertDelay")) {
        if (m_list->count() == 0) return;
        insertSteps({delayStep(delayCountFromMs(10, m_unit))});
        return;
    }
    if (rows == 0) return;
    if (n == QLatin1String("btnClear")) {
        setSteps({});
        m_model->setHorizontalHeaderLabels({tr("ACTION"), tr("DELAY(ms)")});
        return;
    }
    if (row < 0) return;
    if (n == QLatin1String("btnStepDelete")) {
        m_model->removeRow(row);
        SelectRow(qMin(row, m_model->rowCount() - 1));
    } else if (n == QLatin1String("btnTop")) {
        moveRow(row, 0);
    } else if (n == QLatin1String("btnBottom")) {
        moveRow(row, rows - 1);
    } else if (n == QLatin1String("btnMoveUp")) {
        if (row > 0) moveRow(row, row - 1);
    } else if (n == QLatin1String("btnMoveDown")) {
        if (row < rows - 1) moveRow(row, row + 1);
    }
}

void MacroDialog::itemClicked(const QModelIndex& index) {
    if (m_editing && index.isValid()) showStepEditor(index.row());
}

void MacroDialog::CurrentChanged(const QModelIndex& current, const QModelIndex&) {
    if (m_editing && current.isValid()) showStepEditor(current.row());
}

// ---- Mouse actions ----------------------------------------------------------

void MacroDialog::mousemove_test() {
    m_mousePanel = !m_mousePanel;
    m_tree->setVisible(m_mousePanel);
    m_list->setVisible(!m_mousePanel);
}

void MacroDialog::TreeitemClick(QTreeWidgetItem* item, int) {
    if (m_list->count() == 0 || m_recording || m_editing) return;
    int button = 0;
    const KestTreeWidget::TreeAction action = m_tree->actionFor(item, &button);
    const uint8_t bit = buttonBitFromIndex(button);
    switch (action) {
    case KestTreeWidget::TreeAction::Press:
        insertSteps(withDelay({buttonStep(bit, true)}));
        break;
    case KestTreeWidget::TreeAction::Release:
        insertSteps(withDelay({buttonStep(bit, false)}));
        break;
    case KestTreeWidget::TreeAction::Click:
        insertSteps(withDelay({buttonStep(bit, true), buttonStep(bit, false)}));
        break;
    default:
        break;
    }
}

void MacroDialog::KestItemPressed(KestTreeItem* item) {
    if (!item || m_list->count() == 0 || m_recording || m_editing) return;
    const int distance = item->distance();
    if (distance < 1 || distance > kMaxMoveDistance) return;
    insertSteps(withDelay({moveStep(item->direction(), distance)}));
}

// ---- Recording settings -----------------------------------------------------

void MacroDialog::checkbtn_clicked() {
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

void MacroDialog::DefDelayChanged(const QString& text) {
    qCDebug(lcMacro) << "default delay" << text;
}

void MacroDialog::LoopTimeChanged(const QString& text) {
    qCDebug(lcMacro) << "loop time" << text;
}

void MacroDialog::setBatch(bool on) {
    m_batch = on;
    {
        const QSignalBlocker block(m_batchBox);
        m_batchBox->setChecked(on);
    }
    for (const auto& b : kStepButtons)
        if (auto* w = findChild<QWidget*>(QLatin1String(b[0]))) w->setEnabled(!on);
    for (QWidget* w : std::as_const(m_recordingPanel))
        w->setEnabled(!on);
    control(QStringLiteral("btnStart"))->setEnabled(!on);
    control(QStringLiteral("btnMouseAction"))->setEnabled(!on);
    m_tree->setEnabled(!on);
    m_view->setEnabled(!on);
    rebuildList(m_current);
}

// ---- Recording and editing --------------------------------------------------

void MacroDialog::setHook(bool on) {
    if (!on) {
        m_hook.reset();
        return;
    }
    if (m_hook) return;
    m_hook = std::make_unique<KeyboardHook>();
    connect(m_hook.get(), &KeyboardHook::keyEvent, this, &MacroDialog::onHookKey);
}

void MacroDialog::setControlsEnabled(bool enabled) {
    // While recording only STOP acts; while editing SAVE, CANCEL, the step
    // list and the editor fields.
    for (KestPushButton* b : std::as_const(m_buttons)) {
        const QString n = b->objectName();
        const bool keep =
            n == QLatin1String("btnStop") ||
            (m_editing && (n == QLatin1String("btnSave") || n == QLatin1String("btnCancel")));
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

void MacroDialog::startRecording() {
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

void MacroDialog::onHookKey(quint32 scanCode, quint32 flags) {
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

void MacroDialog::stopRecording() {
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

void MacroDialog::beginEdit() {
    const int row = currentRow();
    if (row < 0 || m_list->count() == 0) return;
    m_editing = true;
    m_lastKey = -1;
    setControlsEnabled(false);
    showStepEditor(row);
}

void MacroDialog::showStepEditor(int row) {
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
        m_moveButton->setLabel(tx(kMoveTexts[dir]));
        m_moveButton->setProperty("direction", dir);
        m_editDistance->setText(QString::number(moveDistance(s)));
        shown = {m_moveCaption, m_moveButton, m_distanceCaption, m_editDistance};
        break;
    }
    case kStepButton:
        m_commandButton->setLabel(tx(kCommandTexts[buttonIndexFromBit(s.dataL)]));
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

void MacroDialog::EditDelayChanged(const QString& text) {
    const int row = currentRow();
    if (!m_editing || row < 0 || stepKind(stepAt(row)) != kStepDelay) return;
    // A number still being typed ("6" on the way to "65535") is not taken.
    bool ok = false;
    const int ms = text.toInt(&ok);
    if (!ok || ms < 10) return;
    setStepAt(row, delayStep(delayCountFromMs(ms, m_unit)));
}

void MacroDialog::EditMoveChanged(const QString& text) {
    const int row = currentRow();
    if (!m_editing || row < 0 || stepKind(stepAt(row)) != kStepMove) return;
    bool ok = false;
    const int d = text.toInt(&ok);
    if (!ok || d < 1 || d > kMaxMoveDistance) return;
    // Only the chosen axis's byte changes, as typed.
    MacroStep s = stepAt(row);
    switch (directionAt(m_moveButton->property("direction").toInt())) {
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

void MacroDialog::chooseMoveDirection(int index) {
    const int row = currentRow();
    if (!m_editing || row < 0 || stepKind(stepAt(row)) != kStepMove) return;
    m_moveButton->setProperty("direction", index);
    m_moveButton->setLabel(tx(kMoveTexts[qBound(0, index, 3)]));
    const int d = qBound(0, m_editDistance->text().toInt(), kMaxMoveDistance);
    setStepAt(row, moveStep(directionAt(index), d));
}

void MacroDialog::chooseMouseCommand(int index) {
    const int row = currentRow();
    if (!m_editing || row < 0 || stepKind(stepAt(row)) != kStepButton) return;
    m_commandButton->setLabel(tx(kCommandTexts[qBound(0, index, 4)]));
    MacroStep s = stepAt(row);
    s.dataL = buttonBitFromIndex(index);
    setStepAt(row, s);
}

void MacroDialog::endEdit(bool save) {
    if (m_list->count() == 0 && save) return;
    if (save)
        saveMacro(m_current);
    else
        loadMacro(m_current);
    m_editing = false;
    setHook(false);
    for (QWidget* w : std::as_const(m_editorPanel))
        w->hide();
    for (QWidget* w : std::as_const(m_recordingPanel))
        w->show();
    setControlsEnabled(true);
}

// ---- Dispatch ---------------------------------------------------------------

void MacroDialog::onButtonClicked() {
    auto* b = qobject_cast<KestPushButton*>(sender());
    if (!b) return;
    const QString n = b->objectName();
    if (n == QLatin1String("btnNew"))
        newMacro();
    else if (n == QLatin1String("btnRename"))
        renameMacro();
    else if (n == QLatin1String("btnMacroDelete"))
        deleteMacro();
    else if (n == QLatin1String("btnImport"))
        importMacros();
    else if (n == QLatin1String("btnExport"))
        exportMacros();
    else if (n == QLatin1String("btnMouseAction"))
        mousemove_test();
    else if (n == QLatin1String("btnStart"))
        startRecording();
    else if (n == QLatin1String("btnStop"))
        stopRecording();
    else if (n == QLatin1String("btnEdit"))
        beginEdit();
    else if (n == QLatin1String("btnSave"))
        endEdit(true);
    else if (n == QLatin1String("btnCancel"))
        endEdit(false);
    else if (n == QLatin1String("btnGunSet"))
        gunSet();
    else
        stepOperation(n);
}

int MacroDialog::notice(const QString& text, const QString& title, int kind) {
    KestMessageBox box(this, title.isEmpty() ? tr("Warning") : title, text, kind);
    return box.exec();
}
