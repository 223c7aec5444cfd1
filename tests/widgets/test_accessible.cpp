// What assistive tools read from the window, through QAccessible alone: every
// control the keyboard reaches has a name and a real role on every page, and
// a DPI slider reads and takes DPI.
#include "kitaccessible.h"
#include "mainwindow.h"
#include "testutil.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QtTest>

class TestAccessible : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installKitAccessibility(); }

    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("tab");
        for (const char* tab : {"LIGHTING", "CUSTOMIZE", "DPI", "MACRO"})
            QTest::newRow(tab) << QString::fromLatin1(tab);
    }
    void everyControlIsNamed() {
        QFETCH(QString, tab);
        TempAppDir app(APP_DIR);
        MainWindow w;
        w.show();
        QAccessibleInterface* win = QAccessible::queryAccessibleInterface(&w);
        QCOMPARE(win->role(), QAccessible::Window);
        pressTab(w, tab);
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (!c->isVisibleTo(&w) || !(c->focusPolicy() & Qt::TabFocus)) continue;
            // A spin box's field is read through the spin box.
            if (qobject_cast<QAbstractSpinBox*>(c->parentWidget())) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            const QByteArray what = c->metaObject()->className() + QByteArray(" ") +
                                    c->objectName().toUtf8() + " " +
                                    a->text(QAccessible::Name).toUtf8();
            QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), what.constData());
            QVERIFY2(a->role() != QAccessible::Client && a->role() != QAccessible::NoRole,
                     what.constData());
        }
    }

    // A tool sets a stage in DPI and the stage takes the step nearest it.
    void dpiSliderSpeaksDpi() {
        TempAppDir app(APP_DIR);
        MainWindow w;
        w.show();
        pressTab(w, QStringLiteral("DPI"));
        QAccessibleInterface* slider = named(w, QStringLiteral("DPI stage 2"));
        QVERIFY(slider && slider->valueInterface());
        slider->valueInterface()->setCurrentValue(1600);
        QCOMPARE(slider->valueInterface()->currentValue().toInt(), 1600);
        QVERIFY(named(w, QStringLiteral("DPI stage 2, 1600 DPI")) ||
                named(w, QStringLiteral("DPI stage 2, 1600 DPI, current")));
    }

private:
    static QAccessibleInterface* named(QWidget& w, const QString& name) {
        for (QWidget* c : w.findChildren<QWidget*>())
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c))
                if (c->isVisibleTo(&w) && a->text(QAccessible::Name) == name) return a;
        return nullptr;
    }
    static void pressTab(QWidget& w, const QString& tab) {
        QAccessibleInterface* t = named(w, tab);
        QVERIFY(t && t->role() == QAccessible::PageTab);
        t->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(t->state().selected);
    }
};

QTEST_MAIN(TestAccessible)
#include "test_accessible.moc"
