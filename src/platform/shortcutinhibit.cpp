#include "shortcutinhibit.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QWindow>

#ifdef MOUSECFG_HAVE_WAYLAND
#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <cstring>
#endif

Q_LOGGING_CATEGORY(lcInhibit, "mousecfg.platform.inhibit", QtWarningMsg)

#ifdef MOUSECFG_HAVE_WAYLAND

namespace {

void* waylandResource(const char* name, QWindow* window = nullptr) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native) return nullptr;
    return window ? native->nativeResourceForWindow(name, window)
                  : native->nativeResourceForIntegration(name);
}

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto** manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1**>(data);
    if (!*manager &&
        std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0)
        *manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
            registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
}

void onGlobalRemove(void*, wl_registry*, uint32_t) {}

constexpr wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemove};

} // namespace

// Everything lives on a queue of its own, never dispatched by the toolkit:
// the toolkit's connection is shared, its queue is not ours to read.
struct ShortcutInhibit::Impl {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_registry* registry = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1* inhibitor = nullptr;

    void request(QWindow* window) {
        display = static_cast<wl_display*>(waylandResource("wl_display"));
        auto* seat = static_cast<wl_seat*>(waylandResource("wl_seat"));
        auto* surface = static_cast<wl_surface*>(waylandResource("surface", window));
        if (!display || !seat || !surface) return;
        queue = wl_display_create_queue(display);
        auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
        registry = wl_display_get_registry(wrapped);
        wl_proxy_wrapper_destroy(wrapped);
        wl_registry_add_listener(registry, &kRegistryListener, &manager);
        if (wl_display_roundtrip_queue(display, queue) < 0 || !manager) {
            qCDebug(lcInhibit) << "the compositor passes no shortcuts on";
            return;
        }
        inhibitor =
            zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager, surface, seat);
        wl_display_flush(display);
        qCDebug(lcInhibit) << "desktop shortcuts asked for";
    }

    ~Impl() {
        if (inhibitor) zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor);
        if (manager) zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager);
        if (registry) wl_registry_destroy(registry);
        if (display) wl_display_flush(display);
        if (queue) wl_event_queue_destroy(queue);
    }
};

#else

struct ShortcutInhibit::Impl {
    void* inhibitor = nullptr;
    void request(QWindow*) {}
};

#endif

ShortcutInhibit::ShortcutInhibit(QWindow* window) : d(std::make_unique<Impl>()) {
    if (window && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        d->request(window);
}

ShortcutInhibit::~ShortcutInhibit() = default;

bool ShortcutInhibit::requested() const {
    return d->inhibitor != nullptr;
}
