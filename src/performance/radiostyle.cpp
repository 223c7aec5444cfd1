#include "radiostyle.h"

#include "kittheme.h"

#include <QColor>

static void registerPerformanceResources() {
    Q_INIT_RESOURCE(performance);
}

void initPerformanceResources() {
    static const bool once = (registerPerformanceResources(), true);
    (void)once;
}

QString spinStyleSheet(const QColor& accent, double scale) {
    initPerformanceResources();
    static const QString tmpl = QStringLiteral(
        "QSpinBox{background:rgb(22,24,27);color:rgb(224,227,232);"
        "border:1@px solid rgb(62,66,72);border-radius:3@px;padding:0px 2@px;"
        "selection-background-color:@accent@;}"
        "QSpinBox:focus{border:1@px solid @accent@;}"
        "QSpinBox::up-button{subcontrol-origin:border;subcontrol-position:top right;"
        "width:14@px;border:none;background:transparent;}"
        "QSpinBox::down-button{subcontrol-origin:border;subcontrol-position:bottom right;"
        "width:14@px;border:none;background:transparent;}"
        "QSpinBox::up-arrow{image:url(:/performance/spin-up.xpm);width:8@px;height:5@px;}"
        "QSpinBox::down-arrow{image:url(:/performance/spin-down.xpm);width:8@px;height:5@px;}"
        "QSpinBox::up-arrow:disabled,QSpinBox::down-arrow:disabled{image:none;}");
    return fillStyleTemplate(tmpl, accent, scale);
}

QString flatButtonStyleSheet(const QColor& accent, double scale) {
    static const QString tmpl =
        QStringLiteral("QPushButton{background:rgb(40,43,48);color:rgb(224,227,232);"
                       "border:1@px solid rgb(66,70,77);border-radius:4@px;padding:0px 8@px;}"
                       "QPushButton:hover{border-color:@accent@;}"
                       "QPushButton:pressed{background:@accent@;color:rgb(18,19,22);}");
    return fillStyleTemplate(tmpl, accent, scale);
}
