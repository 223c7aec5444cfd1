// Every text of the window fits, in every language and at every scale: all
// tabs (both button groups), every menu and the dialogs the window opens.
#include "dialoglayout.h"
#include "hidport.h"
#include "inprocessport.h"
#include "kestmessagebox.h"
#include "kestprocessdialog.h"
#include "macrolibrary.h"
#include "macropanel.h"
#include "mainwindow.h"
#include "mousesession.h"
#include "mouseview.h"
#include "testutil.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void everyTextFits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scaleIndex"); // 1, 1.5 and 2 on the ladder
        for (const char* language : {"English", "Français", "Deutsch", "简体中文"})
            for (int index : {0, 2, 4})
                QTest::addRow("%s %d", language, index) << QString::fromUtf8(language) << index;
    }
    void everyTextFits() {
        QFETCH(QString, language);
        QFETCH(int, scaleIndex);
        TempAppDir app(APP_DIR);
        vm::VirtualMouse mouse;
        InProcessHidPort port(mouse);
        setHidPort(&port);
        mouse.plug(vm::Link::Receiver);
        // Every kind of step, more than the step list shows at once.
        MacroFile steps{
            QStringLiteral("m"), {keyStep(4, true), delayStep(kMaxDelayCount)}, {}, 0, 0, {}};
        for (int i = 0; i < 14; ++i)
            steps.steps.push_back(i < 10 ? buttonStep(buttonBitFromIndex(i / 2), i % 2)
                                         : moveStep(moveDirectionAt(i - 10), 100));
        QVERIFY(writeMacroFile(steps) && addToMacroList(steps.name));
        QStringList problems;
        {
            MainWindow w;
            w.startDevices();
            QVERIFY(QTest::qWaitFor([&] { return w.session()->known(); }));
            for (QMenu* menu : w.findChildren<QMenu*>())
                for (QAction* a : menu->actions())
                    if (a->text() == language) a->trigger();
            w.useScaleIndex(scaleIndex);
            QCOMPARE(w.scale(), scaleForIndex(scaleIndex));
            const double scale = w.scale();
            auto look = [&](QWidget& root, const QString& where) {
                root.show();
                QCoreApplication::processEvents();
                for (const QString& p : textFitProblems(root, scale))
                    if (!problems.contains(where + QStringLiteral(": ") + p))
                        problems << where + QStringLiteral(": ") + p;
            };
            for (int tab : {MainWindow::LightingTab, MainWindow::CustomizeTab, MainWindow::DpiTab,
                            MainWindow::MacroTab}) {
                w.selectTab(tab);
                auto* macros = w.findChild<MacroPanel*>();
                if (macros) macros->macroList()->setCurrentRow(0);
                look(w, QStringLiteral("tab %1").arg(tab));
                QVERIFY(!macros || macros->stepView()->verticalScrollBar()->isVisibleTo(macros));
            }
            w.selectTab(MainWindow::CustomizeTab);
            w.findChild<MouseView*>()->sideButton()->click();
            look(w, QStringLiteral("side buttons"));
            // The kit's own boxes; the key dialogs have a test of their own.
            KestMessageBox box(&w, QStringLiteral("Apply"), tr("x"),
                               KestMessageBox::ApplyDiscardStay);
            KestProcessDialog process(&w);
            KestMessageBox notice(&w, QStringLiteral("Access denied"), tr("x"),
                                  KestMessageBox::Notice);
            notice.addButton(QCoreApplication::translate("MainWindow", "Install access rule"), 3);
            look(box, QStringLiteral("message box"));
            look(notice, QStringLiteral("access notice"));
            look(process, QStringLiteral("progress box"));
        }
        setHidPort(nullptr);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
