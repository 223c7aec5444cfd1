// Process entry: one copy per product, then the main window and the event loop.
#include "mainwindow.h"
#include "productdef.h"
#include "singleinstance.h"

#include <QApplication>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Debug lines (the packet trace among them) stay quiet unless asked for
    // with QT_LOGGING_RULES, e.g. "mousecfg.*.debug=true".
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    // Qt's own high-DPI scaling stays off: the window scales its geometry and
    // fonts itself from the screen's logical DPI.
    // Closing the window hides it; the program ends from the tray's "Quit".
    QApplication::setQuitOnLastWindowClosed(false);

    const QString product = productName();
    const SingleInstance instance(SingleInstance::mutexNameFor(product));
    if (!instance.isFirst()) return 1;

    int result = 0;
    {
        MousecfgWidget window;
        if (window.connectedMice() > 0) {
            window.setWindowOpacity(1.0);
            window.show();
        }
        window.setWindowTitle(product);
        result = app.exec();
    }
    return result;
}
