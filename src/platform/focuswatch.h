// Which application is in front, told by the desktop as it changes: X11's
// active window, a wlroots compositor's IPC or toplevel list, or the desktop's own script or
// extension calling in over D-Bus. Event-driven; nothing is polled.
#pragma once

#include "appprofiles.h"

#include <QList>
#include <QObject>
#include <memory>

class FocusWatch : public QObject {
    Q_OBJECT
public:
    enum class Source { None, X11, Sway, Wlroots, KWin, Gnome };

    explicit FocusWatch(QObject* parent = nullptr);
    ~FocusWatch() override;

    // Picks the source this session offers and starts it; focusChanged
    // follows for the application in front now, then for each change.
    void start();
    Source source() const;
    // A focus told from outside (the KWin script or the GNOME extension,
    // through the program's D-Bus method). It makes that desktop the source.
    void report(Source from, const FocusedApp& app);
    // The applications with a window now, where the source can list them.
    QList<FocusedApp> running() const;

signals:
    void focusChanged(const FocusedApp& app);
    void sourceChanged(FocusWatch::Source source);

private:
    void setSource(Source source);
    void tell(const FocusedApp& app);

    struct Private;
    std::unique_ptr<Private> d;
};

// "x11", "sway", "wlroots", "kwin", "gnome" or "none", as D-Bus and the
// tool show it.
const char* focusSourceName(FocusWatch::Source source);
