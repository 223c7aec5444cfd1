// How long a page of the main window takes the first time its tab is opened:
// the page built, laid out and painted once. Runs on the offscreen platform
// against a copy of the staged application folder; prints median (min-max)
// over fresh windows.
#include "mainwindow.h"
#include "paths.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        if (QFileInfo(src).isDir())
            QDir().mkpath(dst);
        else
            QFile::copy(src, dst);
    }
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    copyTree(QStringLiteral(BENCH_APP_DIR), dir.path());
    setAppDirOverride(dir.path());
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    const struct {
        const char* name;
        int tab;
    } pages[] = {{"CUSTOMIZE", MainWindow::CustomizeTab},
                 {"DPI", MainWindow::DpiTab},
                 {"MACRO", MainWindow::MacroTab}};
    for (const auto& page : pages) {
        std::vector<double> ms;
        for (int r = 0; r < rounds; ++r) {
            MainWindow w;
            w.show();
            QApplication::processEvents();
            QElapsedTimer t;
            t.start();
            w.selectTab(page.tab);
            w.repaint();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("first open of %-9s %6.1f ms (%.1f-%.1f), %d windows\n", page.name,
                    ms[ms.size() / 2], ms.front(), ms.back(), rounds);
    }
    return 0;
}
