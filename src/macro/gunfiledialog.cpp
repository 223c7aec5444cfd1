#include "gunfiledialog.h"

#include "filename.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QActionGroup>
#include <QEvent>
#include <QSpinBox>
#include <algorithm>
#include <cstdlib>

namespace {

// Logical layout; the rows sit under their column headings.
constexpr int kWidth = 440;
constexpr int kHeight = 404;
constexpr int kMargin = 28;
constexpr int kRowTop = 178;
constexpr int kRowPitch = 34;
constexpr int kFieldHeight = 28;
constexpr int kDelayX = 64;
constexpr int kVerticalX = 184;
constexpr int kHorizontalX = 304;
constexpr int kSpinWidth = 108;
constexpr int kButtonWidth = 110;
constexpr int kBulletX = 152;
constexpr int kBulletPitch = 20;

const QColor kHeadingColor(150, 155, 163);
const QColor kTitleColor(236, 238, 242);

QString bulletImageName(bool used) {
    return used ? QStringLiteral("/skin/bullet.png") : QStringLiteral("/skin/bullet_off.png");
}

QSpinBox* makeSpin(QWidget* parent, int minimum, int maximum, int value, double scale) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spin->setStyleSheet(spinBoxStyleSheet(themeColor(), scale));
    spin->setContextMenuPolicy(Qt::NoContextMenu);
    return spin;
}

} // namespace

std::vector<MacroStep> gunSteps(const std::vector<GunShot>& shots) {
    std::vector<MacroStep> steps;
    for (const GunShot& shot : shots) {
        steps.push_back(buttonStep(buttonBitFromIndex(0), false));
        steps.push_back(buttonStep(buttonBitFromIndex(0), true));
        const int v = std::clamp(shot.vertical, -kGunMaxMove, kGunMaxMove);
        const int h = std::clamp(shot.horizontal, -kGunMaxMove, kGunMaxMove);
        if (v != 0)
            steps.push_back(moveStep(v > 0 ? MoveDirection::Down : MoveDirection::Up, std::abs(v)));
        if (h != 0)
            steps.push_back(
                moveStep(h > 0 ? MoveDirection::Right : MoveDirection::Left, std::abs(h)));
        // A pause shorter than the unit still gets its step of 0: the shot
        // keeps its place in the pattern.
        if (shot.delayMs > 0)
            steps.push_back(delayStep(
                delayCountFromMs(std::min(shot.delayMs, kGunMaxDelayMs), kGunDelayUnitMs)));
    }
    return steps;
}

GunFileDialog::GunFileDialog(QWidget* parent, double scale)
    : KestDialogFrame(parent, scale), m_title(new KestLabel(this)),
      m_nameLabel(new KestLabel(this)), m_nameEdit(new KestLineEdit(this)),
      m_bullets(new KestPushButton(buttonImages(), this)), m_menu(new KestMenu(this, 80)),
      m_delayHeading(new KestLabel(this)), m_verticalHeading(new KestLabel(this)),
      m_horizontalHeading(new KestLabel(this)),
      m_yes(makeButton(QStringLiteral("msgBoxYesBtn"), QStringLiteral(":/yes_Btn"))),
      m_no(makeButton(QStringLiteral("msgBoxNoBtn"), QStringLiteral(":/no_Btn"))) {
    setFixedSize(scaledSize(QSize(kWidth, kHeight), scale));
    m_title->setTextColor(kTitleColor);
    for (KestLabel* l : {m_nameLabel, m_delayHeading, m_verticalHeading, m_horizontalHeading})
        l->setTextColor(kHeadingColor);
    for (KestLabel* l : {m_delayHeading, m_verticalHeading, m_horizontalHeading})
        l->setAlignment(Qt::AlignCenter);

    m_nameEdit->setMaxLength(kMaxFileNameLength);
    place(m_title, 22, 12, kWidth - 44, 26);
    place(m_nameLabel, kMargin, 52, kWidth - 2 * kMargin, 18);
    place(m_nameEdit, kMargin, 72, kWidth - 2 * kMargin, kFieldHeight);
    place(m_bullets, kMargin, 114, kButtonWidth, kFieldHeight);

    auto* group = new QActionGroup(this);
    for (int n = 1; n <= kMaxGunShots; ++n) {
        auto* action = new KestAction(QString::number(n), m_menu);
        action->setCheckable(true);
        group->addAction(action);
        m_menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, n] { setShotCount(n); });
        m_counts[n - 1] = action;
    }
    m_bullets->setMenu(m_menu);

    place(m_delayHeading, kDelayX, 152, kSpinWidth, 18);
    place(m_verticalHeading, kVerticalX, 152, kSpinWidth, 18);
    place(m_horizontalHeading, kHorizontalX, 152, kSpinWidth, 18);
    for (int i = 0; i < kMaxGunShots; ++i) {
        Row& r = m_rows[i];
        r.bullet = new KestLabel(this);
        r.number = new KestLabel(QString::number(i + 1), this);
        r.number->setAlignment(Qt::AlignCenter);
        r.delay = makeSpin(this, kGunMinDelayMs, kGunMaxDelayMs, GunShot().delayMs, scale);
        r.vertical = makeSpin(this, -kGunMaxMove, kGunMaxMove, 0, scale);
        r.horizontal = makeSpin(this, -kGunMaxMove, kGunMaxMove, 0, scale);
        const int y = kRowTop + kRowPitch * i;
        place(r.bullet, kBulletX + kBulletPitch * i, 110, 14, 36);
        place(r.number, kMargin, y, 28, kFieldHeight);
        place(r.delay, kDelayX, y, kSpinWidth, kFieldHeight);
        place(r.vertical, kVerticalX, y, kSpinWidth, kFieldHeight);
        place(r.horizontal, kHorizontalX, y, kSpinWidth, kFieldHeight);
    }

    const int buttonY = kHeight - 18 - kFieldHeight;
    const int right = kWidth - 20 - kButtonWidth;
    place(m_no, right, buttonY, kButtonWidth, kFieldHeight);
    place(m_yes, right - kButtonWidth - 12, buttonY, kButtonWidth, kFieldHeight);
    m_yes->setDefault(true);
    connect(m_yes, &QPushButton::clicked, this, &GunFileDialog::OnYesClick);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_nameEdit, m_bullets);
    QWidget* previous = m_bullets;
    for (const Row& r : m_rows)
        for (QWidget* w : {static_cast<QWidget*>(r.delay), static_cast<QWidget*>(r.vertical),
                           static_cast<QWidget*>(r.horizontal)}) {
            setTabOrder(previous, w);
            previous = w;
        }
    setTabOrder(previous, m_yes);
    setTabOrder(m_yes, m_no);
    m_nameEdit->setFocus();

    applyFonts();
    retranslate();
    setShotCount(1);
}

void GunFileDialog::place(QWidget* widget, int x, int y, int w, int h) const {
    widget->setGeometry(scaledRect(QRect(x, y, w, h), scale()));
}

void GunFileDialog::applyFonts() {
    m_title->refreshFont(15);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    for (KestLabel* l : {m_nameLabel, m_delayHeading, m_verticalHeading, m_horizontalHeading})
        l->refreshFont(11);
    for (KestPushButton* b : {m_bullets, m_yes, m_no})
        b->refreshFont(13);
    for (KestAction* a : m_counts)
        a->refreshFont();
    m_menu->refreshStyle();
    const QFont field = scaledFont(kitFont(), 13, scale());
    m_nameEdit->setFont(field);
    for (const Row& r : m_rows) {
        r.number->refreshFont(13);
        for (QSpinBox* s : {r.delay, r.vertical, r.horizontal})
            s->setFont(field);
    }
}

void GunFileDialog::retranslate() {
    setWindowTitle(tr("Gun Set"));
    m_title->setText(tr("GUN SET"));
    m_nameLabel->setText(tr("GUNFILE NAME"));
    m_bullets->setText(tr("BULLETS"));
    m_delayHeading->setText(tr("DELAY(MS)"));
    m_verticalHeading->setText(tr("Y (+DOWN)"));
    m_horizontalHeading->setText(tr("X (+RIGHT)"));
    m_yes->setText(tr("OK"));
    m_no->setText(tr("Cancel"));
    m_nameEdit->setAccessibleName(tr("Gun file name"));
    for (int i = 0; i < kMaxGunShots; ++i) {
        const Row& r = m_rows[i];
        r.delay->setAccessibleName(tr("Shot %1, delay in ms").arg(i + 1));
        r.vertical->setAccessibleName(tr("Shot %1, move down").arg(i + 1));
        r.horizontal->setAccessibleName(tr("Shot %1, move right").arg(i + 1));
    }
}

void GunFileDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // The font follows the language.
        applyFonts();
        retranslate();
    }
    KestDialogFrame::changeEvent(event);
}

QString GunFileDialog::heading() const {
    return m_title->text();
}

void GunFileDialog::setShotCount(int count) {
    m_shotCount = std::clamp(count, 1, kMaxGunShots);
    m_counts[m_shotCount - 1]->setChecked(true);
    for (int i = 0; i < kMaxGunShots; ++i) {
        const bool used = i < m_shotCount;
        const Row& r = m_rows[i];
        r.bullet->setSkinImage(bulletImageName(used));
        r.number->setTextColor(used ? kTitleColor : QColor(90, 94, 100));
        for (QSpinBox* s : {r.delay, r.vertical, r.horizontal})
            s->setEnabled(used);
    }
}

std::vector<GunShot> GunFileDialog::shots() const {
    std::vector<GunShot> result;
    for (int i = 0; i < m_shotCount; ++i)
        result.push_back(
            {m_rows[i].delay->value(), m_rows[i].vertical->value(), m_rows[i].horizontal->value()});
    return result;
}

void GunFileDialog::setShot(int index, const GunShot& shot) {
    if (index < 0 || index >= kMaxGunShots) return;
    m_rows[index].delay->setValue(shot.delayMs);
    m_rows[index].vertical->setValue(shot.vertical);
    m_rows[index].horizontal->setValue(shot.horizontal);
}

void GunFileDialog::setFileName(const QString& name) {
    m_nameEdit->setText(name);
}

void GunFileDialog::warn(const QString& text) {
    KestMessageBox box(this, tr("Warning"), text, KestMessageBox::Notice);
    box.exec();
}

void GunFileDialog::OnYesClick() {
    const QString typed = m_nameEdit->text();
    if (typed.trimmed().isEmpty()) {
        warn(tr("Please input file name."));
        return;
    }
    // The name becomes a file in the macro folder.
    if (!isValidFileName(typed)) {
        warn(tr("Invalid macro name."));
        return;
    }
    m_steps = gunSteps(shots());
    m_name = typed;
    accept();
}
