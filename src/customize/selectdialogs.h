// placeholder until the dialogs land
#pragma once
#include <QDialog>
class KestSniperWindow : public QDialog {
public:
    KestSniperWindow(QWidget* p, double, int, quint8) : QDialog(p) {}
    quint8 step() const { return 3; }
};
class KestMacroSelect : public QDialog {
public:
    KestMacroSelect(QWidget* p, double, const QStringList& n, const QString&, int, int) : QDialog(p), m_n(n) {}
    QString name() const { return m_n.value(0); }
    int loops() const { return 1; }
    int mode() const { return 0; }
    QStringList m_n;
};
