#include "macrostepdelegate.h"

#include "keycodes.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QAbstractItemModel>
#include <QPainter>

namespace {

// Logical sizes of a row.
constexpr int kRowHeight = 28;
constexpr int kIconSize = 18;
constexpr int kStateIconSize = 16;
constexpr int kMargin = 8;
constexpr int kNameWidth = 170;
constexpr int kStateWidth = 85;
constexpr int kFontPixels = 12;

const QColor kTextColour(214, 218, 224);
const QColor kSelectedTextColour(18, 19, 22);
const QColor kDisabledTextColour(110, 114, 120);

int usableUnit(int unit) {
    return unit > 0 ? unit : 10;
}

} // namespace

QString buttonStepName(uint8_t bit) {
    switch (bit) {
    case 1:
        return MacroStepDelegate::tr("LEFT CLICK");
    case 2:
        return MacroStepDelegate::tr("RIGHT CLICK");
    case 4:
        return MacroStepDelegate::tr("MIDDLE CLICK");
    case 8:
        return MacroStepDelegate::tr("FORWARD");
    case 16:
        return MacroStepDelegate::tr("BACKWARD");
    default:
        return QString();
    }
}

QString moveStepName(MoveDirection direction) {
    switch (direction) {
    case MoveDirection::Left:
        return MacroStepDelegate::tr("MOVE LEFT");
    case MoveDirection::Right:
        return MacroStepDelegate::tr("MOVE RIGHT");
    case MoveDirection::Up:
        return MacroStepDelegate::tr("MOVE UP");
    case MoveDirection::Down:
        return MacroStepDelegate::tr("MOVE DOWN");
    }
    return QString();
}

namespace {

void setPressState(StepLook& look, const MacroStep& step) {
    const bool press = stepIsPress(step);
    look.stateIcon =
        press ? QStringLiteral("/skin/keydown.png") : QStringLiteral("/skin/keyup.png");
    look.stateText = press ? MacroStepDelegate::tr("Press") : MacroStepDelegate::tr("Release");
}

// A cell value as a byte; anything else (a damaged model) is refused.
bool cellByte(const QAbstractItemModel* model, int row, int column, const QModelIndex& parent,
              uint8_t& out) {
    bool ok = false;
    const int v = model->index(row, column, parent).data().toString().trimmed().toInt(&ok);
    if (!ok || v < 0 || v > 255) return false;
    out = uint8_t(v);
    return true;
}

} // namespace

StepLook describeStep(const MacroStep& step, int unit) {
    StepLook look;
    switch (stepKind(step)) {
    case kStepKey: {
        look.icon = QStringLiteral("/skin/keybo.png");
        uint8_t code = 0;
        if (usageToKeyCode(step.dataL, code)) look.name = keyName(code);
        setPressState(look, step);
        break;
    }
    case kStepButton:
        look.name = buttonStepName(step.dataL);
        setPressState(look, step);
        break;
    case kStepMove:
        look.icon = QStringLiteral("/skin/mouse_move.png");
        look.name = moveStepName(moveDirection(step));
        look.stateText = QString::number(moveDistance(step));
        break;
    case kStepDelay:
        look.icon = QStringLiteral("/skin/delay.png");
        look.name = MacroStepDelegate::tr("DELAY");
        look.delay = QString::number(qint64(delayCount(step)) * usableUnit(unit));
        break;
    default:
        break;
    }
    return look;
}

MacroStepDelegate::MacroStepDelegate(int delayUnit, QObject* parent)
    : QStyledItemDelegate(parent), m_unit(usableUnit(delayUnit)) {}

void MacroStepDelegate::setScale(double scale) {
    m_scale = scale > 0 ? scale : 1.0;
}

bool MacroStepDelegate::stepAt(const QModelIndex& index, MacroStep& step) {
    const QAbstractItemModel* model = index.model();
    if (!model) return false;
    const QModelIndex parent = index.parent();
    const int row = index.row();
    return cellByte(model, row, MapColumn, parent, step.map) &&
           cellByte(model, row, DataHColumn, parent, step.dataH) &&
           cellByte(model, row, DataLColumn, parent, step.dataL);
}

void MacroStepDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (selected) painter->fillRect(r, themeColor());
    if (option.state & QStyle::State_HasFocus) {
        // The keyboard's place, drawn across the row like the kit's focus frames.
        painter->setPen(QPen(selected ? kSelectedTextColour : themeColor().lighter(140),
                             qMax(1.0, m_scale), Qt::DotLine));
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    }

    MacroStep step;
    if (!stepAt(index, step)) {
        painter->restore();
        return;
    }
    const StepLook look = describeStep(step, m_unit);
    painter->setFont(scaledFont(kitFont(), kFontPixels, m_scale));
    painter->setPen(selected                               ? kSelectedTextColour
                    : option.state & QStyle::State_Enabled ? kTextColour
                                                           : kDisabledTextColour);
    const QFontMetrics fm = painter->fontMetrics();
    const int margin = scaled(kMargin, m_scale);

    auto drawIcon = [&](const QString& name, int x, int logicalSize) {
        const int side = scaled(logicalSize, m_scale);
        const QPixmap pm = scaledSkinPixmap(name, QSize(side, side));
        if (pm.isNull()) return;
        painter->drawPixmap(x + (side - pm.width()) / 2, r.top() + (r.height() - pm.height()) / 2,
                            pm);
    };
    auto drawText = [&](const QString& text, int x, int right) {
        if (text.isEmpty() || right <= x) return;
        const QRect box(x, r.top(), right - x, r.height());
        painter->drawText(box, Qt::AlignVCenter | Qt::AlignLeft,
                          fm.elidedText(text, Qt::ElideRight, box.width()));
    };

    if (index.column() == MapColumn) {
        // Name on the left, press/release (or distance) from the middle on.
        const int iconSide = scaled(kIconSize, m_scale);
        // Room for the longest names; a narrow column shares itself instead.
        const int stateX =
            r.left() + qMax(r.width() * 11 / 20, qMin(scaled(kNameWidth, m_scale),
                                                      r.width() - scaled(kStateWidth, m_scale)));
        int x = r.left() + margin;
        // Names stay aligned whether or not their step has an icon.
        if (!look.icon.isEmpty()) drawIcon(look.icon, x, kIconSize);
        x += iconSide + margin;
        drawText(look.name, x, stateX - margin);
        x = stateX;
        if (!look.stateIcon.isEmpty()) {
            drawIcon(look.stateIcon, x, kStateIconSize);
            x += scaled(kStateIconSize, m_scale) + margin / 2;
        }
        drawText(look.stateText, x, r.right() - margin);
    } else if (index.column() == DataHColumn) {
        drawText(look.delay, r.left() + margin, r.right() - margin);
    }
    painter->restore();
}

QSize MacroStepDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(scaled(kRowHeight, m_scale));
    return size;
}
