#include "macrostepdelegate.h"

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
    const MacroStepWords words = macroStepWords(step, usableUnit(unit));
    StepLook look;
    look.name = words.name;
    look.stateText = words.state;
    look.delay = words.delay;
    switch (stepKind(step)) {
    case kStepKey:
        look.icon = QStringLiteral("/skin/keybo.png");
        break;
    case kStepMove:
        look.icon = QStringLiteral("/skin/mouse_move.png");
        break;
    case kStepDelay:
        look.icon = QStringLiteral("/skin/delay.png");
        break;
    default:
        break;
    }
    if (stepKind(step) == kStepKey || stepKind(step) == kStepButton)
        look.stateIcon = stepIsPress(step) ? QStringLiteral("/skin/keydown.png")
                                           : QStringLiteral("/skin/keyup.png");
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
        const QSize shown = shownSize(pm);
        painter->drawPixmap(x + (side - shown.width()) / 2,
                            r.top() + (r.height() - shown.height()) / 2, pm);
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
