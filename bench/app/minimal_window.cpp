// The floor for the start-up benchmark: a Qt Widgets window of the program's
// size with one label and one button, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Window"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Minimal window"), &window));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &window));
    window.resize(999, 640);
    window.show();
    return app.exec();
}
