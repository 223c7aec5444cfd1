// The list of skin files the generator writes and the writers themselves,
// shared by the generator program and its tests.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace skin {

// One generated file: its path under the output folder and how to make it.
struct SkinFile {
    QString path;
    std::function<QByteArray()> make;
};

QByteArray pngBytes(const QImage& image);
// A Windows icon holding every size as a PNG entry.
QByteArray icoBytes(const QVector<QImage>& sizes);

// Everything under skin/ that does not depend on a product.
QVector<SkinFile> commonFiles();
// skin/mouse/<product>/Mouse.png, its lighting mask Mouse_light.png,
// mouse_1..mouse_<buttons>.png and
// skin/mouse/<product>_Side.png.
QVector<SkinFile> productFiles(const QString& product, int buttons);
// The images compiled into the widget kit.
QVector<SkinFile> resourceFiles();

// The sizes desktops look for in the icon theme.
constexpr int kThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// hicolor/<N>x<N>/apps/mousecfg.png, the program's icon in the desktop's
// icon theme.
QVector<SkinFile> themeIcons();

// Writes the files below `root`; false (with a message on stderr) on the
// first file that cannot be written.
bool writeFiles(const QString& root, const QVector<SkinFile>& files);

} // namespace skin
