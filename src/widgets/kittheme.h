// The kit's look: the accent colour table, skin image paths, the style-sheet
// templates filled with the accent colour and the display scale, and the
// image drawing shared by the skinned widgets.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;
class QWidget;

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
// Decodes an image file. The skin is PNG: it is read as PNG first without
// probing, which would load every image plugin to ask each about the file;
// only a file that is no PNG goes through the usual detection. Safe from any
// thread.
QImage readSkinImage(const QString& path);
// Loads a skin image through the pixmap cache; a missing file gives a null
// pixmap (the widget then draws nothing for it).
QPixmap skinPixmap(const QString& name);

// The skin image scaled to fit `size` keeping its aspect ratio, cached like
// the image itself; a null pixmap when the image is missing or `size` empty.
QPixmap scaledSkinPixmap(const QString& name, const QSize& size);

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
// The colours that sheet paints: the empty track and the filled chunk.
QColor progressTrackColor(bool off);
QColor progressFillColor(const QColor& accent, bool off);

// The contrast ratio of two colours as readability guidelines measure it:
// 1 (same luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);
// The kit's light or dark text colour, whichever reads better on `background`.
QColor readableTextColor(const QColor& background);
// A check box drawn from two skin images (unchecked, checked).
QString checkBoxStyleSheet(const QString& uncheckedImage, const QString& checkedImage,
                           double scale);
QString scrollAreaStyleSheet(const QColor& accent, double scale);
// Number fields of the skinned dialogs, with the skin's step arrows.
QString spinBoxStyleSheet(const QColor& accent, double scale);

// The one sheet of every skinned control. It is installed on the application,
// so the window, its menus and its dialogs all cascade from it: the kit's own
// controls are picked by type, plain check boxes, radio buttons and menus by
// the look setKitLook() gives them.
QString kitStyleSheet(const QColor& accent, double scale);
// Installs kitStyleSheet() for the current accent and scale unless that one
// is installed already. Every skinned control calls it, so a new scale or
// accent rebuilds the sheet once, not once per control.
void applyKitStyleSheet();
// Gives a plain control one of the sheet's looks: "squareBox", "roundBox"
// (check boxes drawn from the skin's square or round images), "radio" (radio
// buttons), "menu".
void setKitLook(QWidget* widget, const char* look);

// The font of the current language at the current display scale.
QFont kitFont();

// Registers the kit's compiled-in resources (":/skin/loading.gif",
// ":/yes_Btn", ":/no_Btn"); safe to call more than once.
void initKitResources();
