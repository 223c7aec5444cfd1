// A plain window for end-to-end tests that need another client beside the
// program: titled by its argument, it prints "active" and "inactive" each
// time it gains or loses the keyboard focus.
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

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
    QApplication app(argc, argv);
    FocusWindow w;
    w.setWindowTitle(app.arguments().value(1, QStringLiteral("focus window")));
    w.resize(300, 200);
    w.show();
    return app.exec();
}
