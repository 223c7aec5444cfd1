#include "skinfiles.h"

#include "mouseart.h"
#include "uiart.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

namespace skin {

namespace {

SkinFile png(const QString& path, std::function<QImage()> draw) {
    return {path, [draw] { return pngBytes(draw()); }};
}

void putLe(QByteArray& out, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

// File numbers of the families whose order is normal, pressed, hover.
void family13(QVector<SkinFile>& out, const QString& stem, const QSizeF& size, bool notch) {
    out.append(png(QStringLiteral("skin/%1-1.png").arg(stem),
                   [=] { return pillButton(size, Look::Normal, notch); }));
    out.append(png(QStringLiteral("skin/%1-2.png").arg(stem),
                   [=] { return pillButton(size, Look::Active, notch); }));
    out.append(png(QStringLiteral("skin/%1-3.png").arg(stem),
                   [=] { return pillButton(size, Look::Hover, notch); }));
}

} // namespace

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // smallest file: maximum zlib compression
    if (!writer.write(image)) return QByteArray();
    return bytes;
}

QByteArray icoBytes(const QVector<QImage>& sizes) {
    QVector<QByteArray> blobs;
    for (const QImage& img : sizes)
        blobs.append(pngBytes(img));
    QByteArray out;
    putLe(out, 0, 2);
    putLe(out, 1, 2); // icon
    putLe(out, quint32(blobs.size()), 2);
    quint32 offset = 6 + 16 * quint32(blobs.size());
    for (int i = 0; i < blobs.size(); ++i) {
        const QImage& img = sizes[i];
        out.append(char(img.width() >= 256 ? 0 : img.width())); // 0 means 256
        out.append(char(img.height() >= 256 ? 0 : img.height()));
        out.append(char(0)); // no palette
        out.append(char(0));
        putLe(out, 1, 2);  // planes
        putLe(out, 32, 2); // bits per pixel
        putLe(out, quint32(blobs[i].size()), 4);
        putLe(out, offset, 4);
        offset += quint32(blobs[i].size());
    }
    for (const QByteArray& b : blobs)
        out.append(b);
    return out;
}

QVector<SkinFile> commonFiles() {
    QVector<SkinFile> f;
    f.append(png(QStringLiteral("skin/cfgMainback.png"), [] { return mainBackground(); }));
    f.append(png(QStringLiteral("skin/cfgMainback-1x.png"), [] { return mainBackground(1.0); }));
    // Window buttons: normal, hover, pressed.
    const Look looks[3] = {Look::Normal, Look::Hover, Look::Active};
    for (int i = 0; i < 3; ++i) {
        const Look l = looks[i];
        f.append(png(QStringLiteral("skin/close-%1.png").arg(i + 1),
                     [l] { return windowButton(Glyph::Close, l); }));
        f.append(png(QStringLiteral("skin/min-%1.png").arg(i + 1),
                     [l] { return windowButton(Glyph::Minimise, l); }));
        f.append(png(QStringLiteral("skin/marker-%1.png").arg(i + 1), [l] { return marker(l); }));
        f.append(png(QStringLiteral("skin/dlgbtn-%1.png").arg(i + 1),
                     [l] { return pillButton(QSizeF(96, 28), l, false); }));
    }
    family13(f, QStringLiteral("tabbutton"), QSizeF(100, 20), false);
    family13(f, QStringLiteral("button"), QSizeF(220, 30), true);
    f.append(png(QStringLiteral("skin/rate.png"), [] { return dropDownButton(); }));
    f.append(png(QStringLiteral("skin/profilesel.png"), [] { return selectionBar(); }));
    f.append(png(QStringLiteral("skin/DPI-OFF.png"), [] { return toggle(false); }));
    f.append(png(QStringLiteral("skin/DPI-ON.png"), [] { return toggle(true); }));
    f.append(png(QStringLiteral("skin/checkbox1-1.png"), [] { return checkBox(false); }));
    f.append(png(QStringLiteral("skin/checkbox1-2.png"), [] { return checkBox(true); }));
    f.append(png(QStringLiteral("skin/checkbox2-1.png"), [] { return radio(false); }));
    f.append(png(QStringLiteral("skin/checkbox2-2.png"), [] { return radio(true); }));
    f.append(png(QStringLiteral("skin/bat1.png"), [] { return batteryFrame(false); }));
    f.append(png(QStringLiteral("skin/bat2.png"), [] { return batteryFrame(true); }));
    f.append(png(QStringLiteral("skin/lightning.png"), [] { return lightning(); }));
    f.append(png(QStringLiteral("skin/dongle.png"), [] { return dongle(); }));
    // The two extra markers: round (1 lit, 2 plain) and square (3 lit, 4 plain).
    for (int up = 0; up < 2; ++up)
        for (int n = 1; n <= 4; ++n) {
            const bool lit = n % 2 == 1, square = n >= 3;
            f.append(png(QStringLiteral("skin/btn_%1%2.png").arg(up ? "up" : "down").arg(n),
                         [=] { return wheelMarker(up, lit, square); }));
        }
    f.append(png(QStringLiteral("skin/keybo.png"), [] { return macroIcon(MacroIcon::Key); }));
    f.append(png(QStringLiteral("skin/keydown.png"), [] { return macroIcon(MacroIcon::KeyDown); }));
    f.append(png(QStringLiteral("skin/keyup.png"), [] { return macroIcon(MacroIcon::KeyUp); }));
    f.append(
        png(QStringLiteral("skin/mouse_move.png"), [] { return macroIcon(MacroIcon::MouseMove); }));
    f.append(png(QStringLiteral("skin/delay.png"), [] { return macroIcon(MacroIcon::Delay); }));
    f.append(png(QStringLiteral("skin/bullet.png"), [] { return bullet(true); }));
    f.append(png(QStringLiteral("skin/bullet_off.png"), [] { return bullet(false); }));
    f.append(png(QStringLiteral("skin/spin_up.png"), [] { return spinArrow(true); }));
    f.append(png(QStringLiteral("skin/spin_down.png"), [] { return spinArrow(false); }));
    f.append(png(QStringLiteral("skin/dlg.png"), [] { return dialogBackground(); }));
    f.append(png(QStringLiteral("skin/process.png"), [] { return processBackground(); }));
    f.append(png(QStringLiteral("skin/msg_warning.png"), [] { return messageIcon(false); }));
    f.append(png(QStringLiteral("skin/msg_question.png"), [] { return messageIcon(true); }));
    f.append(png(QStringLiteral("skin/icon.png"), [] { return appIcon(256); }));
    f.append({QStringLiteral("skin/icon.ico"), [] {
                  QVector<QImage> sizes;
                  for (int px : {16, 24, 32, 48, 64, 128, 256})
                      sizes.append(appIcon(px));
                  return icoBytes(sizes);
              }});
    f.append({QStringLiteral("skin/loading.gif"), [] { return encodeGif(loadingAnimation()); }});
    return f;
}

QVector<SkinFile> productFiles(const QString& product, int buttons) {
    QVector<SkinFile> f;
    const MouseStyle style = mouseStyleFor(product, buttons);
    const QString dir = QStringLiteral("skin/mouse/") + product;
    f.append(png(dir + QStringLiteral("/Mouse.png"), [style] { return mouseTop(style, 0); }));
    f.append(
        png(dir + QStringLiteral("/Mouse_light.png"), [style] { return mouseLightMask(style); }));
    for (int n = 1; n <= style.buttons; ++n)
        f.append(png(dir + QStringLiteral("/mouse_%1.png").arg(n),
                     [style, n] { return mouseTop(style, n); }));
    f.append(png(dir + QStringLiteral("_Side.png"), [style] { return mouseSide(style); }));
    return f;
}

QVector<SkinFile> resourceFiles() {
    return {{QStringLiteral("loading.gif"), [] { return encodeGif(loadingAnimation()); }},
            png(QStringLiteral("yes_Btn.png"), [] { return confirmIcon(true); }),
            png(QStringLiteral("no_Btn.png"), [] { return confirmIcon(false); })};
}

QVector<SkinFile> themeIcons() {
    QVector<SkinFile> f;
    for (int px : kThemeIconSizes)
        f.append(png(QStringLiteral("hicolor/%1x%1/apps/mousecfg.png").arg(px),
                     [px] { return appIcon(px); }));
    return f;
}

bool writeFiles(const QString& root, const QVector<SkinFile>& files) {
    for (const SkinFile& sf : files) {
        const QString path = root + QLatin1Char('/') + sf.path;
        const QByteArray bytes = sf.make();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (bytes.isEmpty() || !out.open(QIODevice::WriteOnly) ||
            out.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace skin
