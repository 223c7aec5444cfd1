#include "focuswatch.h"

#include "desktopfocus.h"
#include "focussources.h"

#include <QFileInfo>

Q_LOGGING_CATEGORY(lcFocus, "mousecfg.platform.focus", QtWarningMsg)

namespace {

bool sessionIsWayland() {
    return qgetenv("XDG_SESSION_TYPE") == "wayland" ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool desktopIs(const char* name) {
    const QList<QByteArray> parts = qgetenv("XDG_CURRENT_DESKTOP").toUpper().split(':');
    return parts.contains(QByteArray(name));
}

} // namespace

struct FocusWatch::Private {
    Source source = Source::None;
    FocusedApp inFront;
    bool told = false;
    std::unique_ptr<X11Focus> x11;
    SwayFocus* sway = nullptr;
    std::unique_ptr<ToplevelFocus> toplevel;
};

FocusWatch::FocusWatch(QObject* parent) : QObject(parent), d(std::make_unique<Private>()) {}

FocusWatch::~FocusWatch() {
    if (d->source == Source::KWin) stopKWinFocusScript();
}

FocusWatch::Source FocusWatch::source() const {
    return d->source;
}

void FocusWatch::start() {
    const bool wayland = sessionIsWayland();
    const FocusSink sink = [this](const FocusedApp& app) { tell(app); };
    QString ipc = qEnvironmentVariable("SWAYSOCK");
    if (ipc.isEmpty()) ipc = qEnvironmentVariable("I3SOCK");
    // A variable left behind by a compositor that is gone names no socket.
    const bool swayIpc = wayland && !ipc.isEmpty() && QFileInfo::exists(ipc);
    if (wayland && !swayIpc) d->toplevel = ToplevelFocus::open(sink);
    Source chosen = Source::None;
    if (swayIpc) {
        d->sway = new SwayFocus(ipc, sink, this);
        chosen = Source::Sway;
    } else if (d->toplevel) {
        chosen = Source::Wlroots;
    } else if (wayland && desktopIs("KDE") && kwinScriptingAvailable() && startKWinFocusScript()) {
        chosen = Source::KWin;
    } else if (wayland && desktopIs("GNOME")) {
        // XWayland there sees only its own windows: no source rather than a
        // wrong one until the extension is on.
        if (gnomeFocusExtensionState() == GnomeExtensionState::Enabled) chosen = Source::Gnome;
    } else if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        d->x11 = X11Focus::open(sink);
        if (d->x11) chosen = Source::X11;
    }
    qCDebug(lcFocus) << "Focus source:" << focusSourceName(chosen);
    setSource(chosen);
    FocusedApp now;
    if ((d->x11 && d->x11->inFront(now)) || (d->toplevel && d->toplevel->inFront(now))) tell(now);
}

void FocusWatch::report(Source from, const FocusedApp& app) {
    if (from != d->source) {
        // The desktop's own script speaks for the whole session: the other
        // watchers would see only some of its windows.
        d->x11.reset();
        d->toplevel.reset();
        delete d->sway;
        d->sway = nullptr;
        setSource(from);
    }
    tell(app);
}

QList<FocusedApp> FocusWatch::running() const {
    QList<FocusedApp> apps;
    if (d->x11)
        apps = d->x11->running();
    else if (d->sway)
        apps = d->sway->running();
    else if (d->toplevel)
        apps = d->toplevel->running();
    for (FocusedApp& app : apps)
        app.executable = executableOf(app.pid);
    return apps;
}

void FocusWatch::setSource(Source source) {
    if (source == d->source) return;
    d->source = source;
    emit sourceChanged(source);
}

void FocusWatch::tell(const FocusedApp& app) {
    FocusedApp full = app;
    full.executable = executableOf(app.pid);
    if (d->told && full == d->inFront) return;
    d->told = true;
    d->inFront = full;
    qCDebug(lcFocus) << "In front:" << full.appId << full.windowClass << full.instance
                     << full.executable << full.pid;
    emit focusChanged(full);
}

const char* focusSourceName(FocusWatch::Source source) {
    switch (source) {
    case FocusWatch::Source::X11:
        return "x11";
    case FocusWatch::Source::Sway:
        return "sway";
    case FocusWatch::Source::Wlroots:
        return "wlroots";
    case FocusWatch::Source::KWin:
        return "kwin";
    case FocusWatch::Source::Gnome:
        return "gnome";
    case FocusWatch::Source::None:
        break;
    }
    return "none";
}
