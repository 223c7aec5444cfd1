// Tells mousecfg which application is in front, each time a window is
// activated and once when loaded. mousecfg loads this script itself.
// Every argument goes as text: numbers would arrive as floating point.

const SERVICE = "io.mousecfg.mousecfg";
const PATH = "/io/mousecfg/mousecfg";
const INTERFACE = "io.mousecfg.mousecfg.Mouse";

function text(value) {
    return value === undefined || value === null ? "" : String(value);
}

function report(window) {
    // No window in front (the desktop is being shown): nothing to tell.
    if (!window) {
        return;
    }
    callDBus(SERVICE, PATH, INTERFACE, "ReportFocus", "kwin",
             text(window.resourceClass), text(window.resourceName),
             text(window.desktopFileName), text(window.pid));
}

workspace.windowActivated.connect(report);
report(workspace.activeWindow);
