// placeholder until the dialogs land
#pragma once
#include <QDialog>
#include <records.h>
class KestSingleKeyWindow : public QDialog {
public:
    KestSingleKeyWindow(QWidget* p, double, quint8 c) : QDialog(p), m_c(c) {}
    quint8 keyCode() const { return m_c; }
    quint8 m_c;
};
class KestComboKeyWindow : public QDialog {
public:
    KestComboKeyWindow(QWidget* p, double, const ButtonInfo&) : QDialog(p) {}
    const quint8* comboSlots() const { return m_s; }
    quint8 keyCode() const { return 0; }
    quint8 m_s[5] = {};
};
class KestFireKeyWindow : public QDialog {
public:
    KestFireKeyWindow(QWidget* p, double, quint8, int, int) : QDialog(p) {}
    int choice() const { return 0; }
    quint8 keyCode() const { return 0; }
    int times() const { return 3; }
    int delay() const { return 10; }
};
