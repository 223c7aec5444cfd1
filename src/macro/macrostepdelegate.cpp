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
constexpr int kMargin = 6;
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
    const QFontMetrics fm(painter->font());
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
        // Measured as sizeHint() measures, so a text given its width is never
        // elided for a fraction of a pixel.
        painter->drawText(box, Qt::AlignVCenter | Qt::AlignLeft,
                          fm.horizontalAdvance(text) <= box.width()
                              ? text
                              : fm.elidedText(text, Qt::ElideRight, box.width()));
    };

    const int end = r.left() + r.width();
    if (index.column() == MapColumn) {
        // Name on the left; press/release (or distance) in a block at the
        // right, as wide as its longest word, so the name keeps the rest.
        int x = r.left() + margin;
        // Names stay aligned whether or not their step has an icon.
        if (!look.icon.isEmpty()) drawIcon(look.icon, x, kIconSize);
        x += scaled(kIconSize, m_scale) + margin;
        const int stateX = qMax(x, end - margin - stateWidth(fm, look));
        drawText(look.name, x, stateX - margin / 2);
        x = stateX;
        if (!look.stateIcon.isEmpty()) {
            drawIcon(look.stateIcon, x, kStateIconSize);
            x += scaled(kStateIconSize, m_scale) + margin / 2;
        }
        drawText(look.stateText, x, end - margin);
    } else if (index.column() == DataHColumn) {
        drawText(look.delay, r.left() + margin, end - margin);
    }
    painter->restore();
}

int MacroStepDelegate::stateWidth(const QFontMetrics& fm, const StepLook& look) const {
    // Presses and releases share one block, so their icons line up; a
    // distance stands alone at the right.
    if (look.stateIcon.isEmpty()) return fm.horizontalAdvance(look.stateText);
    int words = 0;
    for (bool press : {true, false})
        words =
            qMax(words, fm.horizontalAdvance(describeStep(keyStep(0x04, press), m_unit).stateText));
    return scaled(kStateIconSize, m_scale) + scaled(kMargin, m_scale) / 2 + words;
}

QSize MacroStepDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(scaled(kRowHeight, m_scale));
    MacroStep step;
    if (!stepAt(index, step)) return size;
    // Exactly the room paint() gives each part.
    const StepLook look = describeStep(step, m_unit);
    const QFontMetrics fm(scaledFont(kitFont(), kFontPixels, m_scale));
    const int margin = scaled(kMargin, m_scale);
    if (index.column() == MapColumn)
        size.setWidth(margin + scaled(kIconSize, m_scale) + margin +
                      fm.horizontalAdvance(look.name) + margin / 2 + stateWidth(fm, look) + margin);
    else if (index.column() == DataHColumn)
        size.setWidth(margin + fm.horizontalAdvance(look.delay) + margin);
    return size;
}
