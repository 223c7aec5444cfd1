// X11's active window as the application in front: a property watch on the
// root window of a connection of our own, read when its socket wakes us.
#include "focussources.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

// The X headers come last: their macros (None, Bool, Status...) would clash
// with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// Catches the errors of the calls made while it lives (a window closed
// between the event and our look at it), for our connection only; others'
// errors go to the handler that was there before.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : m_display(display) {
        XSync(display, False);
        s_current = this;
        m_previous = XSetErrorHandler(&ErrorTrap::handle);
    }
    ~ErrorTrap() {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
        s_current = nullptr;
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

private:
    static int handle(Display* display, XErrorEvent* error) {
        if (s_current && display == s_current->m_display) return 0;
        if (s_current && s_current->m_previous) return s_current->m_previous(display, error);
        return 0;
    }
    static ErrorTrap* s_current;
    Display* m_display;
    XErrorHandler m_previous = nullptr;
};
ErrorTrap* ErrorTrap::s_current = nullptr;

#ifdef MOUSECFG_HAVE_XIO_EXIT
// Xlib's own handler for a lost server ends the program; for our
// connections the loss is told back, others keep the handler they had.
QList<Display*> s_ours;
XIOErrorHandler s_previousIo = nullptr;

int ioError(Display* display) {
    if (s_ours.contains(display) || !s_previousIo) return 0;
    return s_previousIo(display);
}
#endif

QString clipped(const char* text) {
    return text ? QString::fromUtf8(text).left(kMaxFocusText) : QString();
}

// One property's items, at most `maxItems`, when it has the expected type
// and 32-bit format (which Xlib hands over as longs).
std::vector<unsigned long> longsOf(Display* display, Window window, Atom property, Atom type,
                                   long maxItems) {
    std::vector<unsigned long> items;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, maxItems, False, type, &actualType,
                           &format, &count, &after, &data) == Success &&
        data && actualType == type && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data) XFree(data);
    return items;
}

} // namespace

QString executableOf(qint64 pid) {
    if (pid <= 0) return {};
    QString target = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    // A program replaced while it runs (an update) still counts as itself.
    target.remove(QLatin1String(" (deleted)"));
    return QFileInfo(target).fileName().left(kMaxFocusText);
}

std::unique_ptr<X11Focus> X11Focus::open(FocusSink sink) {
    std::unique_ptr<X11Focus> x(new X11Focus);
    x->m_display = XOpenDisplay(nullptr);
    if (!x->m_display) return nullptr;
    Display* d = x->m_display;
#ifdef MOUSECFG_HAVE_XIO_EXIT
    // A server that goes away (XWayland ends with its compositor) must not
    // end the program: the connection is marked lost and left alone.
    XSetIOErrorExitHandler(
        d, [](Display*, void* self) { static_cast<X11Focus*>(self)->m_lost = true; }, x.get());
    const XIOErrorHandler before = XSetIOErrorHandler(&ioError);
    if (before != &ioError) s_previousIo = before;
    s_ours << d;
#endif
    x->m_root = DefaultRootWindow(d);
    x->m_activeAtom = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    x->m_clientListAtom = XInternAtom(d, "_NET_CLIENT_LIST", False);
    x->m_pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    XSelectInput(d, x->m_root, PropertyChangeMask);
    XFlush(d);
    x->m_sink = std::move(sink);
    x->m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(d), QSocketNotifier::Read);
    QObject::connect(x->m_notifier.get(), &QSocketNotifier::activated,
                     [self = x.get()] { self->readEvents(); });
    return x;
}

X11Focus::~X11Focus() {
    m_notifier.reset();
    if (!m_display) return;
#ifdef MOUSECFG_HAVE_XIO_EXIT
    s_ours.removeAll(m_display);
#endif
    XCloseDisplay(m_display);
}

void X11Focus::readEvents() {
    for (;;) {
        bool changed = false;
        // Drained whole: the notifier wakes once for what Xlib may have queued.
        while (!m_lost && XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == PropertyNotify && event.xproperty.atom == m_activeAtom)
                changed = true;
        }
        if (m_lost) {
            qCWarning(lcFocus) << "The X server went away; the window in front is no longer seen";
            m_notifier->setEnabled(false);
            return;
        }
        if (!changed) return;
        FocusedApp app;
        if (inFront(app)) m_sink(app);
        // The lookups' round trips may have read the next change into Xlib's
        // queue, which the socket will not announce again: look once more.
    }
}

bool X11Focus::inFront(FocusedApp& app) {
    if (m_lost) return false;
    const auto active = longsOf(m_display, m_root, m_activeAtom, XA_WINDOW, 1);
    // No window (the desktop itself, or a switch under way): the last
    // application stays the one in front.
    if (active.empty() || active[0] == 0) return false;
    return describe(active[0], app);
}

bool X11Focus::describe(unsigned long window, FocusedApp& app) {
    ErrorTrap trap(m_display);
    XClassHint hint{nullptr, nullptr};
    const bool named = XGetClassHint(m_display, window, &hint) != 0;
    app.instance = clipped(hint.res_name);
    app.windowClass = clipped(hint.res_class);
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    const auto pid = longsOf(m_display, window, m_pidAtom, XA_CARDINAL, 1);
    app.pid = pid.empty() ? 0 : qint64(pid[0] & 0xFFFFFFFFu);
    // A window gone before we looked has neither.
    return named || app.pid > 0;
}

QList<FocusedApp> X11Focus::running() {
    QList<FocusedApp> apps;
    if (m_lost) return apps;
    for (unsigned long window :
         longsOf(m_display, m_root, m_clientListAtom, XA_WINDOW, kMaxFocusWindows)) {
        FocusedApp app;
        if (describe(window, app)) apps << app;
    }
    // Events the lookups read meanwhile wait in Xlib's queue, unannounced.
    QTimer::singleShot(0, m_notifier.get(), [this] { readEvents(); });
    return apps;
}
