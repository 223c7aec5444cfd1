#include "kittheme.h"

#include "kitscale.h"
#include "language.h"
#include "paths.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>
#include <cmath>

static void registerKitResources() {
    Q_INIT_RESOURCE(widgets_resources);
}

void initKitResources() {
    static const bool once = (registerKitResources(), true);
    (void)once;
}

QColor accentColor(int themeId) {
    if (themeId < 0 || themeId >= kAccentCount) themeId = 0;
    const AccentRgb& c = kAccentColors[themeId];
    return QColor(c.r, c.g, c.b);
}

QColor themeColor() {
    return accentColor(themeSettings().colorId);
}

QString skinPath(const QString& name) {
    if (name.startsWith(QLatin1Char(':'))) return name;
    if (name.startsWith(QLatin1String("/skin/")) || !QFileInfo(name).isAbsolute())
        return productDataDir() +
               (name.startsWith(QLatin1Char('/')) ? name : QLatin1Char('/') + name);
    return name;
}

QImage readSkinImage(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    return image.isNull() ? QImage(path) : image;
}

QPixmap skinPixmap(const QString& name) {
    if (name.isEmpty()) return QPixmap();
    // The default 10 MB cache cannot hold the double-size mouse pictures and
    // the hover images would be decoded from disk on every pass.
    static const bool sized = [] {
        if (QPixmapCache::cacheLimit() < 96 * 1024) QPixmapCache::setCacheLimit(96 * 1024);
        return true;
    }();
    (void)sized;
    const QString path = skinPath(name);
    QPixmap pm;
    if (QPixmapCache::find(path, &pm)) return pm;
    pm = QPixmap::fromImage(readSkinImage(path));
    if (!pm.isNull()) QPixmapCache::insert(path, pm);
    return pm;
}

QPixmap scaledSkinPixmap(const QString& name, const QSize& size) {
    if (size.isEmpty()) return QPixmap();
    // Made in device pixels, so a toolkit that scales by itself shows the
    // source's own detail rather than a logical-size copy blown up.
    const double ratio = deviceRatio();
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(skinPath(name))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm)) return pm;
    pm = skinPixmap(name);
    if (pm.isNull()) return pm;
    pm = pm.scaled(devicePixelSize(size), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pm.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pm);
    return pm;
}

void drawSkinImage(QPainter& painter, const QRect& target, const QPixmap& pm) {
    if (pm.isNull() || target.isEmpty()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int sw = pm.width(), sh = pm.height();
    // Corner size in the source: a third of the short side, so rounded ends of
    // pill-shaped buttons survive any width.
    const int m = qMin(sw, sh) / 3;
    const double f = double(target.height()) / sh;
    const int dm = int(m * f);
    if (m == 0 || 2 * dm >= target.width() || 2 * m >= sw || 2 * m >= sh) {
        painter.drawPixmap(target, pm);
        return;
    }
    const int dmy = qMin(dm, target.height() / 2);
    const int xs[4] = {0, m, sw - m, sw};
    const int ys[4] = {0, m, sh - m, sh};
    const int xd[4] = {target.left(), target.left() + dm, target.left() + target.width() - dm,
                       target.left() + target.width()};
    const int yd[4] = {target.top(), target.top() + dmy, target.top() + target.height() - dmy,
                       target.top() + target.height()};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QRect src(xs[c], ys[r], xs[c + 1] - xs[c], ys[r + 1] - ys[r]);
            const QRect dst(xd[c], yd[r], xd[c + 1] - xd[c], yd[r + 1] - yd[r]);
            if (!src.isEmpty() && !dst.isEmpty()) painter.drawPixmap(dst, pm, src);
        }
}

QString fillStyleTemplate(const QString& tmpl, const QColor& accent, double scale) {
    QString out = tmpl;
    out.replace(QLatin1String("@accentdark@"), accent.darker(160).name());
    out.replace(
        QLatin1String("@accent@"),
        QStringLiteral("rgb(%1,%2,%3)").arg(accent.red()).arg(accent.green()).arg(accent.blue()));
    out.replace(QLatin1String("@skin@"), productDataDir() + QStringLiteral("/skin"));
    static const QRegularExpression px(QStringLiteral("(\\d+)@px"));
    QString result;
    int last = 0;
    auto it = px.globalMatch(out);
    while (it.hasNext()) {
        const auto m = it.next();
        result += QStringView(out).mid(last, m.capturedStart() - last);
        result += QString::number(scaled(m.captured(1).toInt(), scale)) + QLatin1String("px");
        last = m.capturedEnd();
    }
    result += QStringView(out).mid(last);
    return result;
}

QString menuStyleSheet(const QColor& accent, double scale) {
    static const QString tmpl =
        QStringLiteral("QMenu{background-color:rgb(30,32,36);border:1@px solid rgb(62,66,72);"
                       "border-radius:4@px;padding:4@px 0px;color:rgb(214,218,224);}"
                       "QMenu::item{padding:5@px 18@px 5@px 14@px;background:transparent;}"
                       "QMenu::item:selected{background-color:@accent@;color:rgb(18,19,22);}"
                       "QMenu::item:disabled{color:rgb(100,104,110);}"
                       "QMenu::separator{height:1px;background:rgb(56,60,66);margin:4@px 8@px;}"
                       "QMenu::right-arrow{width:8@px;height:8@px;}");
    return fillStyleTemplate(tmpl, accent, scale);
}

QString sliderStyleSheet(const QColor& accent, double scale) {
    static const QString tmpl = QStringLiteral(
        "QSlider{background:transparent;border:1@px dotted transparent;}"
        "QSlider:focus{border-color:@accent@;}"
        "QSlider::groove:horizontal{height:4@px;border-radius:2@px;background:rgb(52,55,61);}"
        "QSlider::sub-page:horizontal{height:4@px;border-radius:2@px;background:@accent@;}"
        "QSlider::add-page:horizontal{height:4@px;border-radius:2@px;background:rgb(52,55,61);}"
        "QSlider::handle:horizontal{width:12@px;height:12@px;margin:-5@px 0px;"
        "border-radius:6@px;background:rgb(226,229,234);border:2@px solid @accent@;}"
        "QSlider::handle:horizontal:hover{background:rgb(255,255,255);}"
        "QSlider::sub-page:horizontal:disabled{background:rgb(80,83,88);}"
        "QSlider::groove:vertical{width:4@px;border-radius:2@px;background:rgb(52,55,61);}"
        "QSlider::add-page:vertical{width:4@px;border-radius:2@px;background:@accent@;}"
        "QSlider::handle:vertical{width:12@px;height:12@px;margin:0px -5@px;"
        "border-radius:6@px;background:rgb(226,229,234);border:2@px solid @accent@;}");
    return fillStyleTemplate(tmpl, accent, scale);
}

QString lineEditStyleSheet(const QColor& accent, double scale) {
    static const QString tmpl =
        QStringLiteral("QLineEdit{background-color:rgb(22,24,27);color:rgb(224,227,232);"
                       "border:1@px solid rgb(62,66,72);border-radius:3@px;padding:0px 6@px;"
                       "selection-background-color:@accent@;selection-color:rgb(18,19,22);}"
                       "QLineEdit:focus{border:1@px solid @accent@;}"
                       "QLineEdit:disabled{color:rgb(110,114,120);}");
    return fillStyleTemplate(tmpl, accent, scale);
}

namespace {
QString cssRgb(const QColor& c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// Relative luminance of an sRGB colour.
double luminance(const QColor& c) {
    auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
} // namespace

QColor progressTrackColor(bool off) {
    return off ? QColor(100, 100, 100) : QColor(26, 28, 31);
}

QColor progressFillColor(const QColor& accent, bool off) {
    return off ? progressTrackColor(true) : accent;
}

QString progressStyleSheet(const QColor& accent, double scale, bool off, int fontPixels) {
    // The text is painted by the bar itself, in a colour per part.
    static const QString tmpl =
        QStringLiteral("QProgressBar{border:none;border-radius:2@px;background-color:%2;"
                       "font-size:%1@px;text-align:center;}"
                       "QProgressBar::chunk{border-radius:2@px;background-color:%3;}");
    return fillStyleTemplate(
        tmpl.arg(fontPixels)
            .arg(cssRgb(progressTrackColor(off)), cssRgb(progressFillColor(accent, off))),
        accent, scale);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableTextColor(const QColor& background) {
    const QColor light(236, 238, 242), dark(18, 19, 22);
    return contrastRatio(light, background) >= contrastRatio(dark, background) ? light : dark;
}

QString checkBoxStyleSheet(const QString& uncheckedImage, const QString& checkedImage,
                           double scale) {
    const QString tmpl =
        QStringLiteral("QCheckBox{color:rgb(214,218,224);spacing:6@px;background:transparent;"
                       "border:1@px dotted transparent;}"
                       "QCheckBox:focus{border-color:rgb(145,145,145);}"
                       "QCheckBox::indicator{width:16@px;height:16@px;}"
                       "QCheckBox::indicator:unchecked{image:url(%1);}"
                       "QCheckBox::indicator:checked{image:url(%2);}")
            .arg(skinPath(uncheckedImage), skinPath(checkedImage));
    return fillStyleTemplate(tmpl, QColor(), scale);
}

QString scrollAreaStyleSheet(const QColor& accent, double scale) {
    static const QString tmpl = QStringLiteral(
        "QScrollArea{background:transparent;border:none;}"
        "QScrollBar:vertical{background:rgb(30,32,36);width:8@px;margin:0px;border:none;}"
        "QScrollBar::handle:vertical{background:@accent@;border-radius:4@px;min-height:20@px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}");
    return fillStyleTemplate(tmpl, accent, scale);
}

QString spinBoxStyleSheet(const QColor& accent, double scale) {
    static const QString tmpl = QStringLiteral(
        "QSpinBox{background-color:rgb(22,24,27);color:rgb(224,227,232);"
        "border:1@px solid rgb(62,66,72);border-radius:3@px;padding:0px 2@px;"
        "selection-background-color:@accent@;selection-color:rgb(18,19,22);}"
        "QSpinBox:focus{border:1@px solid @accent@;}"
        "QSpinBox:disabled{color:rgb(90,94,100);border-color:rgb(44,47,52);}"
        "QSpinBox::up-button{subcontrol-origin:border;subcontrol-position:top right;"
        "width:16@px;border:none;background:transparent;}"
        "QSpinBox::down-button{subcontrol-origin:border;subcontrol-position:bottom right;"
        "width:16@px;border:none;background:transparent;}"
        "QSpinBox::up-arrow{image:url(@skin@/spin_up.png);width:8@px;height:5@px;}"
        "QSpinBox::down-arrow{image:url(@skin@/spin_down.png);width:8@px;height:5@px;}"
        "QSpinBox::up-arrow:disabled,QSpinBox::down-arrow:disabled{image:none;}");
    return fillStyleTemplate(tmpl, accent, scale);
}

namespace {
// A sheet written for a whole type, narrowed to the controls that carry the
// kit's look: every "type" selector becomes "selector".
QString narrowed(QString sheet, const QString& type, const QString& selector) {
    return sheet.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(type)), selector);
}

QString lookSelector(const char* type, const char* look) {
    return QStringLiteral("%1[kitLook=\"%2\"]").arg(QLatin1String(type), QLatin1String(look));
}

QString radioStyleSheet(double scale) {
    const QString tmpl =
        QStringLiteral("QRadioButton{color:rgb(214,218,224);spacing:6@px;background:transparent;}"
                       "QRadioButton::indicator{width:16@px;height:16@px;}"
                       "QRadioButton::indicator:unchecked{image:url(%1);}"
                       "QRadioButton::indicator:checked{image:url(%2);}")
            .arg(skinPath(QStringLiteral("/skin/checkbox2-1.png")),
                 skinPath(QStringLiteral("/skin/checkbox2-2.png")));
    return fillStyleTemplate(tmpl, QColor(), scale);
}

// What the installed sheet was made from: the skin folder is in its image paths.
struct InstalledSheet {
    bool set = false;
    QColor accent;
    double scale = 0;
    QString skin;
};
} // namespace

QString kitStyleSheet(const QColor& accent, double scale) {
    const QString check = QStringLiteral("QCheckBox");
    return QStringLiteral("KestLabel{background:transparent;}") +
           narrowed(sliderStyleSheet(accent, scale), QStringLiteral("QSlider"),
                    QStringLiteral("KestSlider")) +
           narrowed(lineEditStyleSheet(accent, scale), QStringLiteral("QLineEdit"),
                    QStringLiteral("KestLineEdit")) +
           narrowed(menuStyleSheet(accent, scale), QStringLiteral("QMenu"),
                    lookSelector("QMenu", "menu")) +
           narrowed(checkBoxStyleSheet(QStringLiteral("/skin/checkbox1-1.png"),
                                       QStringLiteral("/skin/checkbox1-2.png"), scale),
                    check, lookSelector("QCheckBox", "squareBox")) +
           narrowed(checkBoxStyleSheet(QStringLiteral("/skin/checkbox2-1.png"),
                                       QStringLiteral("/skin/checkbox2-2.png"), scale),
                    check, lookSelector("QCheckBox", "roundBox")) +
           narrowed(radioStyleSheet(scale), QStringLiteral("QRadioButton"),
                    lookSelector("QRadioButton", "radio"));
}

void applyKitStyleSheet() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    static InstalledSheet installed;
    const QColor accent = themeColor();
    const double scale = displayScale();
    const QString skin = productDataDir();
    if (installed.set && installed.accent == accent && installed.scale == scale &&
        installed.skin == skin)
        return;
    installed = {true, accent, scale, skin};
    app->setStyleSheet(kitStyleSheet(accent, scale));
}

void setKitLook(QWidget* widget, const char* look) {
    applyKitStyleSheet();
    if (!widget || widget->property("kitLook").toString() == QLatin1String(look)) return;
    widget->setProperty("kitLook", QLatin1String(look));
    // Property selectors are matched when a widget is polished.
    if (widget->testAttribute(Qt::WA_WState_Polished)) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
}

QFont kitFont() {
    return fontFor(currentLanguageIndex(), displayScale());
}
