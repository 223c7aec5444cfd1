// Build-time generator of the program's artwork. Everything is drawn here
// with QPainter in one dark style (charcoal surfaces, hairline outlines,
// rounded corners, one cyan accent), at twice the logical size so it stays
// sharp on high-DPI screens. No clock, no randomness: every run writes the
// same bytes.
//
//   skingen <app dir> [<product folder>...]
//       writes <app dir>/skin/:
//         cfgMainback.png            window background, 999 x 640 logical
//         cfgMainback-1x.png         the same at 999 x 640 pixels
//         close-1..3, min-1..3       window buttons (normal, hover, pressed)
//         tabbutton-1..3, button-1..3 (normal, pressed, hover), dlgbtn-1..3,
//         marker-1..3                button families
//         rate.png, profilesel.png, DPI-OFF/ON.png, checkbox1-1/2, checkbox2-1/2
//         btn_up1..4, btn_down1..4   wheel markers (odd numbers lit)
//         bat1.png, bat2.png, lightning.png, dongle.png
//         keybo, keydown, keyup, mouse_move, delay.png   macro step icons
//         bullet.png, bullet_off.png  gun file shots (in use, unused)
//         spin_up.png, spin_down.png  number field step arrows
//         dlg.png, process.png, msg_warning.png, msg_question.png
//         icon.ico (16-256 px), icon.png, loading.gif
//       and for the product of each folder (its DefaultProfile.bin):
//         skin/mouse/<product>/Mouse.png, Mouse_light.png (where its lights
//         are), mouse_<n>.png (button n lit),
//         skin/mouse/<product>_Side.png
//   skingen --resources <dir>
//       writes loading.gif, yes_Btn.png and no_Btn.png for the widget kit.
//   skingen --icons <dir>
//       writes <dir>/hicolor/<N>x<N>/apps/mousecfg.png for the desktop's
//       icon theme.
#include "paths.h"
#include "productdef.h"
#include "skinfiles.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--resources"))
        return skin::writeFiles(args[1], skin::resourceFiles()) ? 0 : 1;
    if (args.size() == 2 && args[0] == QLatin1String("--icons"))
        return skin::writeFiles(args[1], skin::themeIcons()) ? 0 : 1;
    if (args.isEmpty() || args[0].startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: skingen <app dir> [<product folder>...]\n"
                             "       skingen --resources <dir>\n"
                             "       skingen --icons <dir>\n");
        return 2;
    }
    const QString out = args[0];
    if (!skin::writeFiles(out, skin::commonFiles())) return 1;
    for (int i = 1; i < args.size(); ++i) {
        setAppDirOverride(args[i]);
        const QString product = productName();
        const int buttons = buttonCount();
        setAppDirOverride(QString());
        if (product.isEmpty() || buttons <= 0) {
            std::fprintf(stderr, "skingen: no product definition in %s\n", qPrintable(args[i]));
            return 1;
        }
        if (!skin::writeFiles(out, skin::productFiles(product, buttons))) return 1;
    }
    return 0;
}
