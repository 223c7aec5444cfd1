#include "mouseview.h"

#include "appconfig.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"
#include "lightinggroup.h"
#include "mousetint.h"
#include "productdef.h"
#include "records.h"

#include <QEvent>
#include <QFileInfo>
#include <QVariant>
#include <QWidget>

namespace {

// Where the picture sits (logical): beside the button list on CUSTOMIZE, right
// of the effect controls on LIGHTING.
const QRect kCustomizeRect(300, 74, 300, 266);
const QRect kLightingRect(640, 96, 300, 420);

const QStringList kViewButtonImages = {"/skin/tabbutton-1.png", "/skin/tabbutton-3.png",
                                       "/skin/tabbutton-2.png"};
const QStringList kMarkerImages = {"/skin/marker-1.png", "/skin/marker-2.png",
                                   "/skin/marker-3.png"};

// Products whose wheel markers use the second set of arrow images.
constexpr const char* kAlternateWheelArtProducts[] = {"Qorv Pico"};

bool usesAlternateWheelArt(const QString& product) {
    for (const char* name : kAlternateWheelArtProducts)
        if (product == QLatin1String(name)) return true;
    return false;
}

} // namespace

MouseView::MouseView(QWidget* host) : QObject(host), m_host(host) {
    m_image = new KestLabel(host);
    m_image->setObjectName(QStringLiteral("mouseView"));
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setProperty("logicalRect", kCustomizeRect);
    m_frontButton = makeButton(QStringLiteral("btnFront"), kViewButtonImages, {620, 300, 80, 26});
    m_sideButton = makeButton(QStringLiteral("btnSide"), kViewButtonImages, {706, 300, 80, 26});
    connect(m_frontButton, &QPushButton::clicked, this, [this] { showFront(true); });
    connect(m_sideButton, &QPushButton::clicked, this, [this] { showFront(false); });

    m_productButtons = qBound(0, buttonCount(), kFrontMarkers);
    for (int i = 0; i < kFrontMarkers; ++i) {
        KestPushButton* m = makeButton(QStringLiteral("marker%1").arg(i), kMarkerImages,
                                       {620 + 36 * (i % 9), 90 + 40 * (i / 9), 30, 30});
        m->setNumber(i + 1);
        connect(m, &KestPushButton::OverSignal, this, &MouseView::hoverMarker);
        m_groups[FrontGroup] << m;
    }
    m_groups[FrontGroup].first()->installEventFilter(this);
    for (int i = 0; i < kSideMarkers; ++i) {
        KestPushButton* m = makeButton(QStringLiteral("sideMarker%1").arg(i), kMarkerImages,
                                       {620 + 36 * i, 90, 30, 30});
        m->setNumber(i + 1);
        m_groups[SideGroup] << m;
    }
    m_groups[WheelGroup] << makeButton(QStringLiteral("wheelUp"), {}, {620, 220, 34, 34});
    m_groups[WheelGroup] << makeButton(QStringLiteral("wheelDown"), {}, {660, 220, 34, 34});
    for (QList<KestPushButton*>& group : m_groups)
        for (KestPushButton* m : std::as_const(group)) {
            m->setFocusPolicy(Qt::NoFocus); // pointers onto the picture, not commands
            connect(m, &QPushButton::clicked, this, [this, m] { onMarkerClicked(m); });
        }
    applyButtonArt();
}

KestPushButton* MouseView::makeButton(const QString& name, const QStringList& images,
                                      const QRect& rect) {
    auto* b = new KestPushButton(images, m_host);
    b->setObjectName(name);
    b->setProperty("logicalRect", rect);
    return b;
}

void MouseView::show(Mode mode) {
    const Mode shown = m_mode;
    m_mode = mode;
    const QRect rect = mode == Mode::Lighting ? kLightingRect : kCustomizeRect;
    if (m_image->property("logicalRect").toRect() != rect) {
        m_image->setProperty("logicalRect", rect);
        m_image->setGeometry(scaledRect(rect, displayScale()));
        m_stale = true;
    }
    const bool pictured = mode != Mode::Hidden;
    if (pictured && (m_stale || mode != shown)) reload();
    m_image->setVisible(pictured);
    applyVisibility();
}

void MouseView::applyVisibility() {
    const bool customise = m_mode == Mode::Customize;
    m_frontButton->setVisible(customise);
    m_sideButton->setVisible(customise);
    for (int i = 0; i < m_groups[FrontGroup].size(); ++i)
        m_groups[FrontGroup][i]->setVisible(customise && m_front && pointsAtButton(i));
    for (KestPushButton* m : std::as_const(m_groups[SideGroup]))
        m->setVisible(customise && !m_front);
    for (KestPushButton* m : std::as_const(m_groups[WheelGroup]))
        m->setVisible(customise && m_front);
}

bool MouseView::pointsAtButton(int frontMarker) const {
    // Until the button page says where the markers point, the product's count decides.
    if (m_targets.front.isEmpty()) return frontMarker < m_productButtons;
    return m_targets.front.value(frontMarker).record >= 0;
}

void MouseView::reload() {
    // Decoded when a tab shows them, not before; the first page shown waits
    // for the first paint.
    const bool lighting = m_mode == Mode::Lighting;
    m_stale = m_mode != Mode::Customize && !(lighting && m_painted);
    if (m_stale) return;
    const QString product = readCurrentProductName();
    m_lit = ledDisable() == 0;
    if (m_front || lighting)
        setImage(QStringLiteral("/skin/mouse/%1/Mouse.png").arg(product));
    else
        setImage(QStringLiteral("/skin/mouse/%1_Side.png").arg(product));
}

void MouseView::windowPainted() {
    m_painted = true;
    if (m_stale && m_mode == Mode::Lighting) reload();
}

void MouseView::setImage(const QString& file) {
    m_file = file;
    const bool front = m_front || m_mode == Mode::Lighting;
    const QSize box = front ? QSize(300, 400) : QSize(300, 300);
    const QSize target = scaledSize(box, displayScale()).boundedTo(m_image->size());
    if (!front || !m_lit) {
        m_image->setPixmap(scaledSkinPixmap(file, target));
        return;
    }
    // The mask of the lit parts lies beside the picture.
    m_image->setPixmap(tintedSkinPixmap(file, QFileInfo(file).path() + "/Mouse_light.png", target,
                                        lightTintFor(m_ledMode, m_colour)));
}

void MouseView::setLighting(const DeviceSettings& edited) {
    const MouseProfile& p = lightingProfile(edited);
    m_ledMode = p.LedMode;
    m_colour = p.LedMode < kLedModeCount ? p.ledModes[p.LedMode].RGB : QColor();
    // A view still to be loaded takes the lighting of its time.
    if (!m_stale && !m_file.isEmpty() && (m_front || m_mode == Mode::Lighting)) setImage(m_file);
}

void MouseView::setTargets(const Targets& targets) {
    m_targets = targets;
    for (int g = 0; g < 3; ++g) {
        const QVector<Target>& t = g == FrontGroup  ? targets.front
                                   : g == SideGroup ? targets.side
                                                    : targets.wheel;
        for (int i = 0; i < m_groups[g].size(); ++i) {
            const QString label = t.value(i).label;
            m_groups[g][i]->setToolTip(label);
            // A marker picks its button's row on the list.
            m_groups[g][i]->setAccessibleName(label.isEmpty() ? QString()
                                                              : tr("Button: %1").arg(label));
        }
    }
    if (m_mode == Mode::Customize) applyVisibility();
}

void MouseView::applyButtonArt() {
    const bool alt = usesAlternateWheelArt(readCurrentProductName());
    const QString up1 = alt ? "/skin/btn_up4.png" : "/skin/btn_up2.png";
    const QString up2 = alt ? "/skin/btn_up3.png" : "/skin/btn_up1.png";
    const QString down1 = alt ? "/skin/btn_down4.png" : "/skin/btn_down2.png";
    const QString down2 = alt ? "/skin/btn_down3.png" : "/skin/btn_down1.png";
    m_groups[WheelGroup][0]->setStateImages({up1, up2, up2});
    m_groups[WheelGroup][1]->setStateImages({down1, down2, down2});
}

void MouseView::resetView() {
    m_front = true;
    for (int& s : m_selected)
        s = 0;
}

void MouseView::showFront(bool front) {
    m_front = front;
    reload();
    applyVisibility();
    const int group = front ? FrontGroup : SideGroup;
    select(m_selected[group], group);
}

void MouseView::select(int index, int group) {
    if (group < 0 || group > WheelGroup) return;
    m_selected[group] = index;
    for (int i = 0; i < m_groups[group].size(); ++i)
        m_groups[group][i]->setSelected(i == index);
}

int MouseView::recordOf(const KestPushButton* marker) const {
    for (int g = 0; g < 3; ++g) {
        const int i = m_groups[g].indexOf(const_cast<KestPushButton*>(marker));
        if (i < 0) continue;
        if (g == WheelGroup) return kWheelUpEntry + i;
        return (g == FrontGroup ? m_targets.front : m_targets.side).value(i).record;
    }
    return -1;
}

void MouseView::onMarkerClicked(KestPushButton* marker) {
    for (int g = 0; g < 3; ++g)
        if (const int i = m_groups[g].indexOf(marker); i >= 0) select(i, g);
    emit markerClicked(recordOf(marker));
}

void MouseView::hoverRecord(int record, bool on) {
    if (record < 0) return;
    KestPushButton* marker = nullptr;
    for (int g : {FrontGroup, WheelGroup})
        for (KestPushButton* m : std::as_const(m_groups[g]))
            if (recordOf(m) == record) marker = m;
    if (marker) hoverMarker(marker, on);
}

void MouseView::hoverMarker(KestPushButton* marker, bool on) {
    if (m_groups[WheelGroup].contains(marker)) {
        marker->setHoverLook(on);
        return;
    }
    const int index = m_groups[FrontGroup].indexOf(marker);
    if (index < 0) return;
    marker->setHoverLook(on);
    if (!m_front) return;
    const QString product = readCurrentProductName();
    if (on)
        setImage(QStringLiteral("/skin/mouse/%1/mouse_%2.png").arg(product).arg(index + 1));
    else
        setImage(QStringLiteral("/skin/mouse/%1/Mouse.png").arg(product));
}

bool MouseView::eventFilter(QObject* watched, QEvent* event) {
    KestPushButton* first = m_groups[FrontGroup].first();
    if (watched == first) {
        if (event->type() == QEvent::Enter) first->setHoverLook(true);
        if (event->type() == QEvent::Leave) first->setHoverLook(false);
    }
    return QObject::eventFilter(watched, event);
}
