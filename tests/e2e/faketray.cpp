// A stand-in for a desktop's notification area on a bare X server: it owns
// the system tray selection of screen 0, so programs see a tray, and ignores
// the icons docked into it. Runs until killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <unistd.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "fake-tray: no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const Window tray = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom selection = XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False);
    XSetSelectionOwner(display, selection, tray, CurrentTime);
    if (XGetSelectionOwner(display, selection) != tray) {
        std::fprintf(stderr, "fake-tray: the tray selection is taken\n");
        return 1;
    }
    // Announce the new manager the way a real tray does.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = root;
    event.xclient.message_type = XInternAtom(display, "MANAGER", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = long(selection);
    event.xclient.data.l[2] = long(tray);
    XSendEvent(display, root, False, StructureNotifyMask, &event);
    XFlush(display);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;)
        XNextEvent(display, &event);
}
