// The kit's look: the accent colour table, skin image paths, the style-sheet
// templates filled with the accent colour and the display scale, and the
// image drawing shared by the skinned widgets.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

constexpr int kAccentCount = 7;

struct AccentRgb {
    int r, g, b;
};

// Indexed by "Config/GColorID"; every theme of the product uses the same grey.
constexpr AccentRgb kAccentColors[kAccentCount] = {
    {145, 145, 145}, {145, 145, 145}, {145, 145, 145}, {145, 145, 145},
    {145, 145, 145}, {145, 145, 145}, {145, 145, 145}};

// The accent of a theme index; an index outside the table (a hand-edited
// Config.ini) falls back to the first entry instead of reading past the table.
QColor accentColor(int themeId);
// The accent of the configured theme ("Config/GColorID"), from the shared
// theme value (no file access).
QColor themeColor();

// Resolves an image name as the program writes it: ":/..." stays a resource,
// "/skin/x.png" and "skin/x.png" are taken relative to the application
// directory, an existing absolute file is used as is.
QString skinPath(const QString& name);
// Loads a skin image through the pixmap cache; a missing file gives a null
// pixmap (the widget then draws nothing for it).
QPixmap skinPixmap(const QString& name);

// Draws `pm` into `target` keeping its corners undistorted: the corners are
// scaled uniformly with the target height, edges and centre stretch.
void drawSkinImage(QPainter& painter, const QRect& target, const QPixmap& pm);

// Fills a style-sheet template: "@accent@" becomes the accent as rgb(r,g,b),
// "@accentdark@" a darker shade, "@skin@" the skin folder, and every "N@px"
// becomes N × scale truncated followed by "px".
QString fillStyleTemplate(const QString& tmpl, const QColor& accent, double scale);

QString menuStyleSheet(const QColor& accent, double scale);
// Sliders and check boxes mark keyboard focus with a dotted frame.
QString sliderStyleSheet(const QColor& accent, double scale);
QString lineEditStyleSheet(const QColor& accent, double scale);
// The battery bar: normal (chunk in the accent colour) or the grey "off" look,
// its text `fontPixels` logical pixels high.
QString progressStyleSheet(const QColor& accent, double scale, bool off, int fontPixels = 14);
// A check box drawn from two skin images (unchecked, checked).
QString checkBoxStyleSheet(const QString& uncheckedImage, const QString& checkedImage,
                           double scale);
QString scrollAreaStyleSheet(const QColor& accent, double scale);

// The font of the current language at the current display scale.
QFont kitFont();

// Registers the kit's compiled-in resources (":/skin/loading.gif",
// ":/yes_Btn", ":/no_Btn"); safe to call more than once.
void initKitResources();
