// Time per update while the saturation/value marker is dragged: a mouse move
// on the square, the preview, the six fields and the hexadecimal text, then
// the painting of what changed in the shown editor. Prints median (min-max) microseconds per
// update over 1,000 positions, once without and once with painting.
#include "coloreditordialog.h"
#include "kitscale.h"
#include "paths.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kPositions = 1000;

// One pass over the square along a spiral, so every update moves both
// saturation and value.
double passMicroseconds(ColorEditorDialog& dialog, bool paint) {
    SVColorArea* square = dialog.square();
    const int side = square->side();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kPositions; ++i) {
        const double t = double(i) / kPositions;
        const QPoint pos(int(side / 2 + side / 2 * t * std::cos(t * 40)),
                         int(side / 2 + side / 2 * t * std::sin(t * 40)));
        QMouseEvent move(QEvent::MouseMove, pos, square->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(square, &move);
        // What a frame paints: the controls the move marked dirty.
        if (paint) QCoreApplication::processEvents();
    }
    return timer.nsecsElapsed() / 1000.0 / kPositions;
}

void report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s: %.1f us per update (%.1f-%.1f)\n", what, times[times.size() / 2],
                times.front(), times.back());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const double scale = argc > 2 ? std::atof(argv[2]) : 1.0;
    setDisplayScale(scale);
    // The staged skin, only read: the editor paints as it does in the program.
    setAppDirOverride(QStringLiteral(BENCH_APP_DIR));

    ColorEditorDialog dialog(nullptr, displayScale());
    dialog.setColor(QColor(18, 171, 52));
    dialog.show();
    QApplication::processEvents();
    std::vector<double> slotOnly, painted;
    for (int r = 0; r < rounds; ++r) {
        slotOnly.push_back(passMicroseconds(dialog, false));
        painted.push_back(passMicroseconds(dialog, true));
    }
    std::printf("colour editor drag, %d positions, scale %.2f, %d rounds\n", kPositions,
                displayScale(), rounds);
    report("square -> preview -> fields", slotOnly);
    report("with painting", painted);
    return 0;
}
