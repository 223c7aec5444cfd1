// Process entry: one copy per product, then the main window and the event loop.
#include "paths.h"
#include "productdef.h"
#include "singleinstance.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Set after the application object exists, so Qt's own interface scaling
    // stays off: the windows scale their geometry and fonts themselves.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    const QString product = productName();
    const SingleInstance instance(SingleInstance::mutexNameFor(product));
    if (!instance.isFirst()) return 1;

    ensureConfigFolders(QString());

    QWidget window;
    window.setObjectName(QStringLiteral("MousecfgWidget"));
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(product.isEmpty() ? QStringLiteral("No product definition") : product,
                             &window);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    window.resize(480, 320);
    window.setWindowOpacity(1.0);
    window.show();
    window.setWindowIcon(QIcon(QStringLiteral("./skin/icon.ico")));
    window.setWindowTitle(product);

    return app.exec();
}
