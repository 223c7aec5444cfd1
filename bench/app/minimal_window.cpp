// The floor for the start-up benchmark: a bare Qt Widgets window, shown the
// way any Qt program shows one, with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.show();
    return app.exec();
}
