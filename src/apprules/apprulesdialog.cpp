#include "apprulesdialog.h"

#include "appfollower.h"
#include "appprofiles.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kProfileCount = 5;
// A session with more windows than this offers only the first ones; typing
// still reaches any application.
constexpr int kMaxOfferedApps = 200;
// The width the rule list and the sentences are laid out for; a language
// with longer words widens the dialog instead of cutting them.
constexpr int kBodyWidth = 440;

const QColor kTitleColor(236, 238, 242);
const QColor kHeadingColor(150, 155, 163);
const QColor kProblemColor(235, 120, 110);

const QString& comboSheet() {
    static const QString sheet = QStringLiteral(
        "QComboBox{background-color:rgb(22,24,27);color:rgb(224,227,232);"
        "border:1@px solid rgb(62,66,72);border-radius:3@px;padding:2@px 6@px;"
        "selection-background-color:@accent@;selection-color:rgb(18,19,22);}"
        "QComboBox:focus{border-color:@accent@;}"
        "QComboBox:disabled{color:rgb(110,114,120);border-color:rgb(44,47,52);}"
        "QComboBox::drop-down{border:none;width:18@px;}"
        "QComboBox::down-arrow{image:url(@skin@/spin_down.png);width:8@px;height:5@px;}"
        "QComboBox::down-arrow:disabled{image:none;}"
        "QComboBox QAbstractItemView{background-color:rgb(22,24,27);color:rgb(224,227,232);"
        "border:1@px solid rgb(62,66,72);outline:none;"
        "selection-background-color:@accent@;selection-color:rgb(18,19,22);}"
        "QComboBox QLineEdit{background:transparent;border:none;color:rgb(224,227,232);"
        "selection-background-color:@accent@;selection-color:rgb(18,19,22);}");
    return sheet;
}

const QString& listSheet() {
    static const QString sheet = QStringLiteral(
        "QTreeWidget{background-color:rgb(22,24,27);color:rgb(214,218,224);"
        "border:1@px solid rgb(62,66,72);border-radius:3@px;outline:none;}"
        "QTreeWidget:focus{border-color:@accent@;}"
        "QTreeWidget::item{padding:3@px 4@px;border:none;}"
        "QTreeWidget::item:selected{background-color:@accent@;color:rgb(18,19,22);}"
        "QHeaderView::section{background-color:rgb(30,32,36);color:rgb(150,155,163);"
        "border:none;border-bottom:1@px solid rgb(62,66,72);padding:3@px 4@px;}"
        "QScrollBar:vertical{background:rgb(30,32,36);width:8@px;margin:0px;border:none;}"
        "QScrollBar::handle:vertical{background:@accent@;border-radius:4@px;min-height:20@px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}");
    return sheet;
}

QComboBox* makeCombo(QWidget* parent, double scale) {
    auto* combo = new QComboBox(parent);
    combo->setStyleSheet(fillStyleTemplate(comboSheet(), themeColor(), scale));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setContextMenuPolicy(Qt::NoContextMenu);
    return combo;
}

KestLabel* makeLabel(QWidget* parent, const QColor& colour, bool wrap = false) {
    auto* label = new KestLabel(parent);
    label->setTextColor(colour);
    label->setWordWrap(wrap);
    return label;
}

// Sets the items' texts in place, so the chosen one stays chosen.
void setItemTexts(QComboBox* combo, const QStringList& texts) {
    const QSignalBlocker block(combo);
    for (int i = 0; i < texts.size(); ++i) {
        if (i < combo->count())
            combo->setItemText(i, texts[i]);
        else
            combo->addItem(texts[i]);
    }
}

} // namespace

AppRulesDialog::AppRulesDialog(AppFollower* follower, QWidget* parent, double scale)
    : KestDialogFrame(parent, scale), m_follower(follower), m_title(makeLabel(this, kTitleColor)),
      m_switch(new QCheckBox(this)), m_source(makeLabel(this, kHeadingColor, true)),
      m_command(makeLabel(this, kTitleColor)), m_rulesHeading(makeLabel(this, kHeadingColor)),
      m_rules(new QTreeWidget(this)), m_ruleProfileLabel(makeLabel(this, kHeadingColor)),
      m_ruleProfile(makeCombo(this, scale)), m_remove(new KestPushButton(buttonImages(), this)),
      m_newHeading(makeLabel(this, kHeadingColor)), m_newApp(makeCombo(this, scale)),
      m_newProfile(makeCombo(this, scale)), m_add(new KestPushButton(buttonImages(), this)),
      m_problem(makeLabel(this, kProblemColor, true)),
      m_defaultLabel(makeLabel(this, kHeadingColor)), m_default(makeCombo(this, scale)),
      m_close(makeButton(QStringLiteral("msgBoxYesBtn"), QStringLiteral(":/yes_Btn"))) {
    setKitLook(m_switch, "squareBox");
    m_command->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_command->setText(QStringLiteral("gnome-extensions enable ") +
                       QLatin1String(kGnomeFocusExtension));

    m_rules->setStyleSheet(fillStyleTemplate(listSheet(), themeColor(), scale));
    m_rules->setColumnCount(2);
    m_rules->setRootIsDecorated(false);
    m_rules->setUniformRowHeights(true);
    m_rules->setAllColumnsShowFocus(true);
    m_rules->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rules->setTextElideMode(Qt::ElideMiddle);
    m_rules->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rules->header()->setStretchLastSection(false);
    m_rules->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_rules->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_rules->header()->setSectionsMovable(false);
    m_rules->setMinimumSize(scaledSize(QSize(kBodyWidth, 150), scale));
    m_rules->installEventFilter(this);

    m_newApp->setEditable(true);
    m_newApp->setInsertPolicy(QComboBox::NoInsert);
    m_newApp->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_newApp->setMinimumContentsLength(16);
    m_newApp->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Keys reach the combo box, which hands them on to its field.
    m_newApp->installEventFilter(this);
    m_newApp->lineEdit()->installEventFilter(this);
    m_source->setMaximumWidth(scaled(kBodyWidth, scale));
    m_problem->setMaximumWidth(scaled(kBodyWidth, scale));

    setKitFont(m_title, 15, true);
    for (QWidget* w : std::initializer_list<QWidget*>{m_switch, m_command, m_rules, m_ruleProfile,
                                                      m_remove, m_newApp, m_newProfile, m_add,
                                                      m_problem, m_default, m_close})
        setKitFont(w, 13);
    for (QWidget* w : {m_source, m_rulesHeading, m_ruleProfileLabel, m_newHeading, m_defaultLabel})
        setKitFont(w, 12);

    const int gap = scaled(8, scale);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The title sits above the frame's rule, the body starts below it.
    layout->setContentsMargins(scaled(24, scale), scaled(10, scale), scaled(24, scale),
                               scaled(18, scale));
    layout->setSpacing(gap);
    m_title->setFixedHeight(scaled(kRuleY - 12, scale));
    layout->addWidget(m_title);
    layout->addSpacing(scaled(10, scale));
    layout->addWidget(m_switch);
    layout->addWidget(m_source);
    layout->addWidget(m_command);
    layout->addSpacing(gap);
    layout->addWidget(m_rulesHeading);
    layout->addWidget(m_rules, 1);
    auto* ruleRow = new QHBoxLayout;
    ruleRow->setSpacing(gap);
    ruleRow->addWidget(m_ruleProfileLabel);
    ruleRow->addWidget(m_ruleProfile);
    ruleRow->addStretch(1);
    ruleRow->addWidget(m_remove);
    layout->addLayout(ruleRow);
    layout->addSpacing(gap);
    layout->addWidget(m_newHeading);
    auto* addRow = new QHBoxLayout;
    addRow->setSpacing(gap);
    addRow->addWidget(m_newApp, 1);
    addRow->addWidget(m_newProfile);
    addRow->addWidget(m_add);
    layout->addLayout(addRow);
    layout->addWidget(m_problem);
    layout->addSpacing(gap);
    auto* defaultRow = new QHBoxLayout;
    defaultRow->setSpacing(gap);
    defaultRow->addWidget(m_defaultLabel);
    defaultRow->addWidget(m_default);
    defaultRow->addStretch(1);
    layout->addLayout(defaultRow);
    layout->addSpacing(gap);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(m_close);
    layout->addLayout(closeRow);

    m_ruleProfileLabel->setBuddy(m_ruleProfile);
    m_newHeading->setBuddy(m_newApp);
    m_defaultLabel->setBuddy(m_default);
    // In the order they are seen.
    setTabOrder(m_switch, m_command);
    setTabOrder(m_command, m_rules);
    setTabOrder(m_rules, m_ruleProfile);
    setTabOrder(m_ruleProfile, m_remove);
    setTabOrder(m_remove, m_newApp);
    setTabOrder(m_newApp, m_newProfile);
    setTabOrder(m_newProfile, m_add);
    setTabOrder(m_add, m_default);
    setTabOrder(m_default, m_close);

    connect(m_switch, &QCheckBox::toggled, this, &AppRulesDialog::setSwitch);
    connect(m_rules, &QTreeWidget::itemSelectionChanged, this, &AppRulesDialog::onSelectionChanged);
    connect(m_ruleProfile, QOverload<int>::of(&QComboBox::activated), this,
            &AppRulesDialog::setSelectedProfile);
    connect(m_remove, &QPushButton::clicked, this, &AppRulesDialog::removeSelected);
    connect(m_add, &QPushButton::clicked, this, &AppRulesDialog::addRule);
    connect(m_default, QOverload<int>::of(&QComboBox::activated), this,
            &AppRulesDialog::setDefault);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_follower, &AppFollower::rulesChanged, this, &AppRulesDialog::refresh);

    FocusWatch* focus = m_follower->focus();
    // Asking GNOME Shell is a call over the bus: once, and only where no
    // source reports.
    if (focus->source() == FocusWatch::Source::None) m_gnome = gnomeFocusExtensionState();
    connect(focus, &FocusWatch::sourceChanged, this,
            [this](FocusWatch::Source source) { showSource(source, m_gnome); });
    // A window that came to the front since the dialog opened is offered too.
    connect(focus, &FocusWatch::focusChanged, this, &AppRulesDialog::refreshRunningApps);
    m_sourceShown = focus->source();

    refreshRunningApps();
    retranslate();
    m_newApp->setFocus();
}

QString AppRulesDialog::title() const {
    return m_title->text();
}

void AppRulesDialog::setKitFont(QWidget* widget, int logicalPixels, bool bold) {
    m_fonts.push_back({widget, logicalPixels, bold});
}

void AppRulesDialog::applyFonts() {
    for (const KitFont& f : m_fonts) {
        QFont font = scaledFont(kitFont(), f.logicalPixels, scale());
        font.setBold(f.bold);
        f.widget->setFont(font);
    }
    // A problem appearing does not make the dialog jump for a one-line text.
    m_problem->setMinimumHeight(m_problem->fontMetrics().height());
    // The header draws its sections in the font its items carry.
    for (int column = 0; column < m_rules->columnCount(); ++column)
        m_rules->headerItem()->setFont(column, m_rules->font());
}

void AppRulesDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    KestDialogFrame::changeEvent(event);
}

void AppRulesDialog::retranslate() {
    // The font follows the language.
    applyFonts();
    m_title->setText(tr("Profiles for Applications"));
    setWindowTitle(m_title->text());
    m_switch->setText(tr("Switch the profile with the application in front"));
    m_rulesHeading->setText(tr("Rules"));
    m_rules->setHeaderLabels({tr("Application"), tr("Profile")});
    m_ruleProfileLabel->setText(tr("Profile of the selected rule:"));
    m_remove->setText(tr("Remove"));
    m_newHeading->setText(tr("New rule (application and profile):"));
    m_newApp->lineEdit()->setPlaceholderText(tr("Application, e.g. firefox"));
    m_add->setText(tr("Add"));
    m_defaultLabel->setText(tr("Other applications:"));
    m_close->setText(tr("Close"));

    QStringList profiles;
    for (int i = 1; i <= kProfileCount; ++i)
        profiles << tr("Profile %1").arg(i);
    setItemTexts(m_ruleProfile, profiles);
    setItemTexts(m_newProfile, profiles);
    setItemTexts(m_default, QStringList{tr("Leave the profile as it is")} + profiles);

    m_switch->setAccessibleName(m_switch->text());
    m_command->setAccessibleName(tr("Command that turns the extension on"));
    m_rules->setAccessibleName(tr("Rules"));
    m_ruleProfile->setAccessibleName(tr("Profile of the selected rule"));
    m_remove->setAccessibleName(tr("Remove the selected rule"));
    m_newApp->setAccessibleName(tr("Application of the new rule"));
    // The field inside the editable list is what takes the typing.
    if (m_newApp->lineEdit()) m_newApp->lineEdit()->setAccessibleName(m_newApp->accessibleName());
    m_newProfile->setAccessibleName(tr("Profile of the new rule"));
    m_add->setAccessibleName(tr("Add the new rule"));
    m_default->setAccessibleName(tr("Profile for other applications"));
    m_close->setAccessibleName(m_close->text());
    m_problem->setAccessibleName(tr("Problem"));

    // Room for the text beside the icon, in any language.
    for (KestPushButton* b : {m_remove, m_add, m_close}) {
        const int text = b->fontMetrics().horizontalAdvance(b->text());
        b->setMinimumSize(
            qMax(scaled(96, scale()), text + b->iconSize().width() + scaled(28, scale())),
            scaled(28, scale()));
    }
    if (m_lastProblem)
        m_problem->setText(QCoreApplication::translate("AppProfiles", m_lastProblem));
    showSource(m_sourceShown, m_gnome);
    refresh();
}

void AppRulesDialog::showSource(FocusWatch::Source source, GnomeExtensionState gnome) {
    m_sourceShown = source;
    m_gnome = gnome;
    bool showCommand = false;
    QString text;
    switch (source) {
    case FocusWatch::Source::X11:
        text = tr("The application in front is read from the active window of the X server.");
        break;
    case FocusWatch::Source::Sway:
    case FocusWatch::Source::Wlroots:
        text = tr("The application in front is reported by the compositor.");
        break;
    case FocusWatch::Source::KWin:
        text = tr("The application in front is reported by KWin's script.");
        break;
    case FocusWatch::Source::Gnome:
        text = tr("The application in front is reported by the GNOME Shell extension.");
        break;
    case FocusWatch::Source::None:
        switch (gnome) {
        case GnomeExtensionState::Enabled:
            text = tr("The application in front is reported by the GNOME Shell extension.");
            break;
        case GnomeExtensionState::Disabled:
            text = tr("The GNOME Shell extension that reports the application in front is off. "
                      "Turn it on once with this command:");
            showCommand = true;
            break;
        case GnomeExtensionState::Missing:
            text = tr("GNOME Shell has not loaded the extension that reports the application in "
                      "front yet. Log out and back in, then turn it on once with this command:");
            showCommand = true;
            break;
        case GnomeExtensionState::NotGnome:
            text = tr("This desktop does not tell applications which window is in front, so "
                      "the rules cannot be followed here.");
            break;
        }
        break;
    }
    m_source->setText(text);
    m_source->setAccessibleName(text);
    m_command->setVisible(showCommand);
    if (layout()) layout()->activate();
}

void AppRulesDialog::refresh() {
    const AppProfiles& rules = m_follower->rules();
    {
        const QSignalBlocker block(m_switch);
        m_switch->setChecked(rules.enabled);
    }
    {
        const QSignalBlocker block(m_default);
        const int p = rules.defaultProfile;
        m_default->setCurrentIndex(p >= 0 && p < kProfileCount ? p + 1 : 0);
    }
    const QString selected = selectedApp();
    {
        const QSignalBlocker block(m_rules);
        m_rules->clear();
        QList<QTreeWidgetItem*> items;
        for (const AppRule& r : rules.rules) {
            auto* item = new QTreeWidgetItem;
            item->setText(0, r.app);
            item->setToolTip(0, r.app);
            item->setData(0, Qt::UserRole, r.app);
            item->setText(1, tr("Profile %1").arg(r.profile + 1));
            items << item;
        }
        m_rules->addTopLevelItems(items);
    }
    selectApp(selected);
    if (layout()) layout()->activate();
}

void AppRulesDialog::refreshRunningApps() {
    // The typed text and its cursor stay while the offers change under them.
    if (m_newApp->view()->isVisible()) return;
    const QString typed = m_newApp->currentText();
    const int cursor = m_newApp->lineEdit()->cursorPosition();
    QStringList apps = m_follower->runningApps();
    if (apps.size() > kMaxOfferedApps) apps = apps.mid(0, kMaxOfferedApps);
    const QSignalBlocker block(m_newApp);
    m_newApp->clear();
    m_newApp->addItems(apps);
    m_newApp->setCurrentIndex(-1);
    m_newApp->setEditText(typed);
    m_newApp->lineEdit()->setCursorPosition(cursor);
}

QString AppRulesDialog::selectedApp() const {
    const QList<QTreeWidgetItem*> items = m_rules->selectedItems();
    return items.isEmpty() ? QString() : items.first()->data(0, Qt::UserRole).toString();
}

void AppRulesDialog::selectApp(const QString& app) {
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < m_rules->topLevelItemCount() && !found && !app.isEmpty(); ++i)
        if (m_rules->topLevelItem(i)->data(0, Qt::UserRole).toString() == app)
            found = m_rules->topLevelItem(i);
    if (found) {
        m_rules->setCurrentItem(found);
        found->setSelected(true);
    }
    onSelectionChanged();
}

void AppRulesDialog::onSelectionChanged() {
    const QString app = selectedApp();
    const int profile = app.isEmpty() ? kLeaveProfile : ruleFor(m_follower->rules(), app);
    const QSignalBlocker block(m_ruleProfile);
    m_ruleProfile->setCurrentIndex(profile >= 0 && profile < kProfileCount ? profile : 0);
    m_ruleProfile->setEnabled(!app.isEmpty());
    m_remove->setEnabled(!app.isEmpty());
}

void AppRulesDialog::addRule() {
    const QString typed = m_newApp->currentText();
    const char* problem = m_follower->setRule(typed, m_newProfile->currentIndex());
    report(problem);
    if (problem) return;
    refresh();
    selectApp(normalizedAppId(typed));
    m_newApp->setEditText(QString());
}

void AppRulesDialog::removeSelected() {
    const QString app = selectedApp();
    if (app.isEmpty()) return;
    const int row = m_rules->indexOfTopLevelItem(m_rules->currentItem());
    const char* problem = m_follower->removeRule(app);
    report(problem);
    if (problem) return;
    refresh();
    // The next rule is selected, so Delete can go on down the list.
    const int count = m_rules->topLevelItemCount();
    if (count > 0) {
        QTreeWidgetItem* next = m_rules->topLevelItem(qBound(0, row, count - 1));
        selectApp(next->data(0, Qt::UserRole).toString());
    }
}

void AppRulesDialog::setSelectedProfile(int index) {
    const QString app = selectedApp();
    if (app.isEmpty()) return;
    report(m_follower->setRule(app, index));
    refresh();
}

void AppRulesDialog::setDefault(int index) {
    report(m_follower->setDefaultProfile(index <= 0 ? kLeaveProfile : index - 1));
    refresh();
}

void AppRulesDialog::setSwitch(bool on) {
    report(m_follower->setEnabled(on));
    refresh();
}

void AppRulesDialog::report(const char* problem) {
    m_lastProblem = problem;
    m_problem->setText(problem ? QCoreApplication::translate("AppProfiles", problem) : QString());
    if (problem) refresh();
}

bool AppRulesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == m_rules && key == Qt::Key_Delete) {
            removeSelected();
            return true;
        }
        // Enter adds; it must not reach the dialog, which would close.
        const bool field = watched == m_newApp || watched == m_newApp->lineEdit();
        if (field && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            addRule();
            return true;
        }
    }
    return KestDialogFrame::eventFilter(watched, event);
}
