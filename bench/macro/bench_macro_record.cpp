// Time per key event from a key typed into the program to its rows in the
// step list: the hook's event filter, the recorder, and the three-column model
// the macro page shows. A full list starts a new recording, so every event
// does the whole work. Prints median (min-max) microseconds per event.
#include "keyboardhook.h"
#include "keycodes.h"
#include "macrorecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEvents = 1000;
constexpr int kUnitMs = 10;

QList<QStandardItem*> stepRow(int index, const MacroStep& step) {
    QString action, value;
    if (stepKind(step) == kStepDelay) {
        action = QStringLiteral("Delay");
        value = QStringLiteral("%1 ms").arg(delayCount(step) * kUnitMs);
    } else {
        uint8_t code = 0;
        usageToKeyCode(step.dataL, code);
        action = stepIsPress(step) ? QStringLiteral("Press") : QStringLiteral("Release");
        value = keyName(code, false);
    }
    return {new QStandardItem(QString::number(index + 1)), new QStandardItem(action),
            new QStandardItem(value)};
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    QWidget window;
    window.show();
    QApplication::processEvents();
    KeyboardHook hook;
    if (!hook.isActive()) {
        std::fprintf(stderr, "no keyboard hook\n");
        return 1;
    }
    MacroRecorder recorder;
    QStandardItemModel model(0, 3);
    int handled = 0; // events that added steps
    QObject::connect(&hook, &KeyboardHook::keyEvent, [&](quint32 scan, quint32 flags) {
        auto r = recorder.keyEvent(scan, flags, model.rowCount());
        if (r.count == 0 && r.press) {
            model.removeRows(0, model.rowCount());
            recorder.start(1, kUnitMs, 0);
            r = recorder.keyEvent(scan, flags, 0);
        }
        for (int i = 0; i < r.count; ++i)
            model.appendRow(stepRow(model.rowCount(), r.steps[i]));
        if (r.count > 0) ++handled;
    });

    std::vector<double> us;
    for (int round = 0; round < rounds; ++round) {
        model.removeRows(0, model.rowCount());
        recorder.start(1, kUnitMs, 0);
        handled = 0;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kEvents; ++i) {
            const auto key = Qt::Key(Qt::Key_A + (i / 2) % 26);
            QKeyEvent e(i % 2 ? QEvent::KeyRelease : QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &e);
        }
        us.push_back(double(t.nsecsElapsed()) / 1e3 / kEvents);
        if (handled != kEvents) {
            std::fprintf(stderr, "%d of %d events recorded\n", handled, kEvents);
            return 1;
        }
    }
    std::sort(us.begin(), us.end());
    std::printf("record one key event %6.2f us (%.2f-%.2f), %d events x %d rounds\n",
                us[us.size() / 2], us.front(), us.back(), kEvents, rounds);
    return 0;
}
