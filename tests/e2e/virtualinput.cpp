// Gives a headless wlroots compositor a pointer and a keyboard for as long as
// it runs. A compositor with no input devices offers its clients neither, so
// the seat's cursor commands would reach nobody, and a client would only get
// a keyboard when a typing tool brings one, maybe after the tool's keys.
// Prints "ready" once the compositor has both.
#include <cstdio>
#include <cstring>
#include <wayland-client.h>

namespace {

// The parts of the two virtual input protocols this needs, written out since
// no package ships their descriptions.
const wl_interface kPointer = {"zwlr_virtual_pointer_v1", 1, 0, nullptr, 0, nullptr};
const wl_interface* kPointerTypes[] = {&wl_seat_interface, &kPointer};
const wl_message kPointerRequests[] = {{"create_virtual_pointer", "?on", kPointerTypes}};
const wl_interface kPointers = {
    "zwlr_virtual_pointer_manager_v1", 1, 1, kPointerRequests, 0, nullptr};
const wl_interface kKeyboard = {"zwp_virtual_keyboard_v1", 1, 0, nullptr, 0, nullptr};
const wl_interface* kKeyboardTypes[] = {&wl_seat_interface, &kKeyboard};
const wl_message kKeyboardRequests[] = {{"create_virtual_keyboard", "on", kKeyboardTypes}};
const wl_interface kKeyboards = {
    "zwp_virtual_keyboard_manager_v1", 1, 1, kKeyboardRequests, 0, nullptr};

struct Globals {
    wl_proxy* seat = nullptr;
    wl_proxy* pointers = nullptr;
    wl_proxy* keyboards = nullptr;
};

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* g = static_cast<Globals*>(data);
    const auto bind = [&](wl_proxy*& to, const wl_interface* as) {
        if (!to && std::strcmp(interface, as->name) == 0)
            to = static_cast<wl_proxy*>(wl_registry_bind(registry, name, as, 1));
    };
    bind(g->seat, &wl_seat_interface);
    bind(g->pointers, &kPointers);
    bind(g->keyboards, &kKeyboards);
}
void globalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kListener = {global, globalRemove};

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "virtual-input: no Wayland display\n");
        return 1;
    }
    Globals g;
    wl_registry_add_listener(wl_display_get_registry(display), &kListener, &g);
    wl_display_roundtrip(display);
    if (!g.seat || !g.pointers || !g.keyboards) {
        std::fprintf(stderr, "virtual-input: the compositor offers no virtual input\n");
        return 1;
    }
    wl_proxy_marshal_constructor(g.pointers, 0, &kPointer, g.seat, nullptr);
    wl_proxy_marshal_constructor(g.keyboards, 0, &kKeyboard, g.seat, nullptr);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
