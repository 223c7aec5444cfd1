// The window in front on a wlroots compositor: its foreign-toplevel list,
// read on a Wayland connection of our own when that connection's socket
// wakes us.
#include "focussources.h"

#ifdef MOUSECFG_HAVE_WLR_TOPLEVEL

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <QSocketNotifier>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// The newest version whose events we take; the compositor may offer more.
constexpr uint32_t kManagerVersion = 3;
constexpr uint32_t kActivated = ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;

QString clipped(const char* text) {
    return text ? QString::fromUtf8(text).left(kMaxFocusText) : QString();
}

struct ToplevelList;

// One toplevel as of its last `done`, and what has come since.
struct Toplevel {
    ToplevelList* owner = nullptr;
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    QString title, appId;
    bool activated = false;
    QString nextTitle, nextAppId;
    bool nextActivated = false;
};

struct ToplevelList {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager = nullptr;
    std::vector<std::unique_ptr<Toplevel>> toplevels;
    const Toplevel* front = nullptr;
    // Empty while opening: the state found then is asked for, not told.
    FocusSink sink;
    std::unique_ptr<QSocketNotifier> notifier;
    bool lost = false;
    bool saidTooMany = false;

    ~ToplevelList() {
        notifier.reset();
        for (const auto& t : toplevels)
            zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
        if (manager) {
            if (!lost) zwlr_foreign_toplevel_manager_v1_stop(manager);
            zwlr_foreign_toplevel_manager_v1_destroy(manager);
        }
        if (registry) wl_registry_destroy(registry);
        if (display) {
            wl_display_flush(display);
            wl_display_disconnect(display);
        }
    }

    void readEvents() {
        if (lost) return;
        // What an earlier read left queued goes first; then the socket.
        while (wl_display_prepare_read(display) != 0)
            if (wl_display_dispatch_pending(display) < 0) return stop();
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return stop();
        // Our only requests are destroys: one left unsent costs nothing.
        if (wl_display_flush(display) < 0 && errno != EAGAIN) return stop();
    }

    void stop() {
        qCWarning(lcFocus) << "The compositor went away; the window in front is no longer seen";
        lost = true;
        notifier->setEnabled(false);
    }

    void add(zwlr_foreign_toplevel_handle_v1* handle);
    void forget(Toplevel* t) {
        if (front == t) front = nullptr;
        zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
        toplevels.erase(std::find_if(toplevels.begin(), toplevels.end(),
                                     [t](const auto& p) { return p.get() == t; }));
    }
};

FocusedApp appOf(const Toplevel& t) {
    FocusedApp app;
    app.appId = t.appId;
    return app;
}

void onTitle(void* data, zwlr_foreign_toplevel_handle_v1*, const char* title) {
    static_cast<Toplevel*>(data)->nextTitle = clipped(title);
}

void onAppId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId) {
    static_cast<Toplevel*>(data)->nextAppId = clipped(appId);
}

void onOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}

void onState(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* state) {
    // The message size bounds the array; a ragged end is not read.
    const auto* items = static_cast<const uint32_t*>(state->data);
    const size_t count = state->size / sizeof(uint32_t);
    static_cast<Toplevel*>(data)->nextActivated =
        items && std::find(items, items + count, kActivated) != items + count;
}

void onDone(void* data, zwlr_foreign_toplevel_handle_v1*) {
    auto* t = static_cast<Toplevel*>(data);
    ToplevelList* owner = t->owner;
    const bool wasInFront = owner->front == t;
    const QString wasAppId = t->appId;
    t->title = t->nextTitle;
    t->appId = t->nextAppId;
    t->activated = t->nextActivated;
    if (!t->activated) {
        if (wasInFront) owner->front = nullptr;
        return;
    }
    owner->front = t;
    // A window without an app id answers to no rule: the last one stays.
    if (owner->sink && !t->appId.isEmpty() && (!wasInFront || t->appId != wasAppId))
        owner->sink(appOf(*t));
}

void onClosed(void* data, zwlr_foreign_toplevel_handle_v1*) {
    auto* t = static_cast<Toplevel*>(data);
    t->owner->forget(t);
}

void onParent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

constexpr zwlr_foreign_toplevel_handle_v1_listener kToplevelListener = {
    onTitle, onAppId, onOutput, onOutput, onState, onDone, onClosed, onParent};

void onToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                zwlr_foreign_toplevel_handle_v1* handle) {
    static_cast<ToplevelList*>(data)->add(handle);
}

void onFinished(void* data, zwlr_foreign_toplevel_manager_v1* manager) {
    // The toplevels we hold still report; no new ones will come.
    qCWarning(lcFocus) << "The compositor stopped listing new windows";
    zwlr_foreign_toplevel_manager_v1_destroy(manager);
    static_cast<ToplevelList*>(data)->manager = nullptr;
}

constexpr zwlr_foreign_toplevel_manager_v1_listener kManagerListener = {onToplevel, onFinished};

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    auto* d = static_cast<ToplevelList*>(data);
    if (d->manager || std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) != 0)
        return;
    d->manager = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                         std::min(version, kManagerVersion)));
    zwlr_foreign_toplevel_manager_v1_add_listener(d->manager, &kManagerListener, d);
}

void onGlobalRemove(void*, wl_registry*, uint32_t) {}

constexpr wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemove};

} // namespace

void ToplevelList::add(zwlr_foreign_toplevel_handle_v1* handle) {
    if (toplevels.size() >= size_t(kMaxFocusWindows)) {
        if (!saidTooMany)
            qCWarning(lcFocus) << "More windows than we follow; the rest are left out";
        saidTooMany = true;
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
        return;
    }
    auto t = std::make_unique<Toplevel>();
    t->owner = this;
    t->handle = handle;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kToplevelListener, t.get());
    toplevels.push_back(std::move(t));
}

struct ToplevelFocus::Impl : ToplevelList {};

std::unique_ptr<ToplevelFocus> ToplevelFocus::open(FocusSink sink) {
    std::unique_ptr<ToplevelFocus> focus(new ToplevelFocus);
    ToplevelList& d = *focus->d;
    d.display = wl_display_connect(nullptr);
    if (!d.display) return nullptr;
    d.registry = wl_display_get_registry(d.display);
    wl_registry_add_listener(d.registry, &kRegistryListener, &d);
    // The first round trip binds the list, the second brings the toplevels
    // there are now with their state.
    if (wl_display_roundtrip(d.display) < 0 || !d.manager || wl_display_roundtrip(d.display) < 0 ||
        wl_display_dispatch_pending(d.display) < 0) {
        qCDebug(lcFocus) << "The compositor offers no toplevel list";
        return nullptr;
    }
    d.sink = std::move(sink);
    d.notifier =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(d.display), QSocketNotifier::Read);
    QObject::connect(d.notifier.get(), &QSocketNotifier::activated,
                     [impl = &d] { impl->readEvents(); });
    return focus;
}

bool ToplevelFocus::inFront(FocusedApp& app) const {
    if (!d->front || d->front->appId.isEmpty()) return false;
    app = appOf(*d->front);
    return true;
}

QList<FocusedApp> ToplevelFocus::running() const {
    QList<FocusedApp> apps;
    for (const auto& t : d->toplevels)
        if (!t->appId.isEmpty()) apps << appOf(*t);
    return apps;
}

#else

struct ToplevelFocus::Impl {};

std::unique_ptr<ToplevelFocus> ToplevelFocus::open(FocusSink) {
    return nullptr;
}

bool ToplevelFocus::inFront(FocusedApp&) const {
    return false;
}

QList<FocusedApp> ToplevelFocus::running() const {
    return {};
}

#endif

ToplevelFocus::ToplevelFocus() : d(std::make_unique<Impl>()) {}

ToplevelFocus::~ToplevelFocus() = default;
