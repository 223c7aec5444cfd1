#include "mouseactiontree.h"

#include "kestlineedit.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"
#include "macrostepdelegate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>

namespace {

constexpr int kButtonCount = 5;
constexpr MoveDirection kMoves[] = {MoveDirection::Left, MoveDirection::Right, MoveDirection::Up,
                                    MoveDirection::Down};
constexpr int kMoveCount = int(sizeof(kMoves) / sizeof(kMoves[0]));

// Logical sizes.
constexpr int kFontPixels = 13;
constexpr int kRowFontPixels = 12;
constexpr int kRowHeight = 30;
constexpr int kIndent = 18;
constexpr QSize kMoveButton(120, 24);
constexpr QSize kDistanceField(44, 24);
constexpr int kDefaultDistance = 10;

const QStringList kButtonImages = {QStringLiteral("/skin/dlgbtn-1.png"),
                                   QStringLiteral("/skin/dlgbtn-3.png"),
                                   QStringLiteral("/skin/dlgbtn-2.png")};

const QString kTreeSheet = QStringLiteral(
    "QTreeWidget{background:transparent;border:none;outline:none;color:rgb(214,218,224);}"
    "QTreeWidget::item{height:26@px;border:none;padding-left:6@px;}"
    "QTreeWidget::item:hover{background-color:rgba(255,255,255,16);}"
    "QTreeWidget::item:selected{background-color:@accent@;color:rgb(18,19,22);}"
    "QTreeWidget::branch,QTreeWidget::branch:selected{background:transparent;}"
    "QScrollBar:vertical{background:rgb(30,32,36);width:8@px;margin:0px;border:none;}"
    "QScrollBar::handle:vertical{background:@accent@;border-radius:4@px;min-height:20@px;}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
    "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}");

} // namespace

// ---------------------------------------------------------------------------

MouseActionItem::MouseActionItem(MoveDirection direction, QWidget* parent)
    : QWidget(parent), m_direction(direction), m_button(new KestPushButton(kButtonImages, this)),
      m_distance(new KestLineEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_button);
    layout->addWidget(m_distance);
    layout->addStretch(1);
    m_distance->setMaxLength(3);
    m_distance->setValidator(new QIntValidator(1, kMaxMoveDistance, m_distance));
    m_distance->setAlignment(Qt::AlignCenter);
    m_distance->setText(QString::number(kDefaultDistance));
    connect(m_button, &QPushButton::clicked, this, &MouseActionItem::press);
    connect(m_distance, &QLineEdit::returnPressed, this, &MouseActionItem::press);
    retranslate();
    setScale(displayScale());
}

int MouseActionItem::distance() const {
    // The validator lets "0" or "121" stand while they are being typed.
    if (!m_distance->hasAcceptableInput()) return 0;
    return m_distance->text().toInt();
}

void MouseActionItem::press() {
    if (distance() > 0)
        emit pressed(this);
    else
        m_distance->setFocus(Qt::OtherFocusReason);
}

void MouseActionItem::retranslate() {
    m_button->setLabel(moveStepName(m_direction));
    applyFonts(); // each language brings its own font
}

void MouseActionItem::applyFonts() {
    m_button->refreshFont(kRowFontPixels);
    m_distance->refreshStyle();
    m_distance->setFont(scaledFont(kitFont(), kRowFontPixels, displayScale()));
}

void MouseActionItem::setScale(double scale) {
    layout()->setContentsMargins(scaled(4, scale), 0, 0, 0);
    layout()->setSpacing(scaled(8, scale));
    m_button->setFixedSize(scaledSize(kMoveButton, scale));
    m_distance->setFixedSize(scaledSize(kDistanceField, scale));
    applyFonts();
}

// ---------------------------------------------------------------------------

MouseActionTree::MouseActionTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    header()->hide();
    // Expanding is the page's click rule alone (actionFor), not the view's.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);

    for (int i = 0; i < kButtonCount; ++i) {
        auto* item = new QTreeWidgetItem(this);
        new QTreeWidgetItem(item); // press
        new QTreeWidgetItem(item); // release
    }
    for (MoveDirection d : kMoves) {
        auto* item = new QTreeWidgetItem(this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItemWidget(item, 0, new MouseActionItem(d, this));
    }
    retranslate();
    setScale(displayScale());
}

QTreeWidgetItem* MouseActionTree::buttonItem(int index) const {
    return index >= 0 && index < kButtonCount ? topLevelItem(index) : nullptr;
}

QTreeWidgetItem* MouseActionTree::moveItem(MoveDirection direction) const {
    for (int i = 0; i < kMoveCount; ++i)
        if (kMoves[i] == direction) return topLevelItem(kButtonCount + i);
    return nullptr;
}

MouseActionItem* MouseActionTree::moveRow(MoveDirection direction) const {
    return qobject_cast<MouseActionItem*>(itemWidget(moveItem(direction), 0));
}

MouseActionTree::TreeAction MouseActionTree::actionFor(QTreeWidgetItem* item, int* button) {
    if (!item || item->treeWidget() != this) return TreeAction::None;
    QTreeWidgetItem* parent = item->parent();
    const int top = indexOfTopLevelItem(parent ? parent : item);
    if (top < 0 || top >= kButtonCount) return TreeAction::None;
    if (button) *button = top;
    if (parent) return parent->indexOfChild(item) == 0 ? TreeAction::Press : TreeAction::Release;
    if (item->isExpanded()) return TreeAction::Click;
    collapseAll();
    item->setExpanded(true);
    return TreeAction::Expanded;
}

void MouseActionTree::retranslate() {
    setFont(scaledFont(kitFont(), kFontPixels, m_scale));
    for (int i = 0; i < kButtonCount; ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        item->setText(0, buttonStepName(buttonBitFromIndex(i)));
        item->child(0)->setText(0, tr("PRESS DOWN"));
        item->child(1)->setText(0, tr("BOUNCE UP"));
    }
    for (MoveDirection d : kMoves)
        moveRow(d)->retranslate();
}

void MouseActionTree::setScale(double scale) {
    m_scale = scale;
    applyStyle();
    setIndentation(scaled(kIndent, scale));
    for (MoveDirection d : kMoves) {
        moveItem(d)->setSizeHint(0, QSize(0, scaled(kRowHeight, scale)));
        moveRow(d)->setScale(scale);
    }
}

void MouseActionTree::applyStyle() {
    setStyleSheet(fillStyleTemplate(kTreeSheet, themeColor(), m_scale));
    // The indentation left of a selected child is painted from the palette.
    QPalette pal = palette();
    pal.setColor(QPalette::Highlight, themeColor());
    pal.setColor(QPalette::HighlightedText, QColor(18, 19, 22));
    setPalette(pal);
    setFont(scaledFont(kitFont(), kFontPixels, m_scale));
}

void MouseActionTree::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    QTreeWidgetItem* item = currentItem();
    if (item && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        if (auto* row = qobject_cast<MouseActionItem*>(itemWidget(item, 0)))
            row->press();
        else
            emit itemClicked(item, 0);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
