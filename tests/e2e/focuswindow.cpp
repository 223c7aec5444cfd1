// A plain window for end-to-end tests that need another client beside the
// program: titled by its first argument, it prints "active" and "inactive"
// each time it gains or loses the keyboard focus. With `--app-id ID` it is
// that application: its Wayland app id and its X11 WM_CLASS instance.
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstring>

class FocusWindow : public QWidget {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate) {
            std::printf(e->type() == QEvent::WindowActivate ? "active\n" : "inactive\n");
            std::fflush(stdout);
        }
        return QWidget::event(e);
    }
};

int main(int argc, char* argv[]) {
    const char* appId = nullptr;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--app-id") == 0) appId = argv[i + 1];
    // The toolkit takes the X11 instance name from here, once, at start.
    if (appId) qputenv("RESOURCE_NAME", appId);
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (appId) {
        args.removeAt(args.indexOf(QStringLiteral("--app-id")) + 1);
        args.removeAll(QStringLiteral("--app-id"));
        QApplication::setApplicationName(QString::fromLocal8Bit(appId));
        QGuiApplication::setDesktopFileName(QString::fromLocal8Bit(appId));
    }
    FocusWindow w;
    w.setWindowTitle(args.value(0, QStringLiteral("focus window")));
    w.resize(300, 200);
    w.show();
    return app.exec();
}
