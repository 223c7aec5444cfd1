// The few calls whose names differ between Qt 5.15 and Qt 6, in one place.
#pragma once

#include <QLibraryInfo>
#include <QMouseEvent>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using EnterEvent = QEnterEvent;
#else
using EnterEvent = QEvent;
#endif

// Where the pointer was, in the receiving widget's coordinates.
inline QPointF eventPosF(const QMouseEvent* e) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return e->position();
#else
    return e->localPos();
#endif
}
inline QPoint eventPos(const QMouseEvent* e) {
    return eventPosF(e).toPoint();
}

// Where the pointer was on the screen.
inline QPoint eventGlobalPos(const QMouseEvent* e) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return e->globalPosition().toPoint();
#else
    return e->globalPos();
#endif
}

// The folder of Qt's own translation catalogues.
inline QString qtTranslationsPath() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}
