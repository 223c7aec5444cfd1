#!/usr/bin/python3
# A screen reader's walk through the running program over the AT-SPI bus:
# every tab and the dialogs it can open, listing each interactive object
# without a name or with a generic role; then, through the accessibility
# interface alone, it toggles an option, sets a DPI stage, remaps a button
# and applies. Prints "problem: ..." lines and ends with "walked" when the
# walk itself went through; exit status 3 when the program is not listed.
import sys
import time

import pyatspi

WINDOW_TITLE = sys.argv[1] if len(sys.argv) > 1 else "Qorv Stratos"
INTERACTIVE = {
    "push button", "toggle button", "check box", "radio button", "combo box",
    "slider", "spin button", "text", "entry", "password text", "page tab",
    "list", "list box", "table", "tree", "tree table", "menu item",
    "check menu item", "radio menu item", "scroll bar", "link",
}
GENERIC = {"filler", "panel", "unknown", "redundant object", "invalid"}
problems = []


def wait_for(what, timeout=10.0):
    end = time.time() + timeout
    while True:
        found = what()
        if found or time.time() > end:
            return found
        time.sleep(0.2)


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None:
            continue
        for j in range(app.childCount):
            w = app.getChildAtIndex(j)
            if w is not None and w.name == WINDOW_TITLE:
                return app
    return None


def states(o):
    return o.getState()


def showing(o):
    s = states(o)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def walk(o, depth=0):
    """Every showing descendant of `o`, depth first."""
    if depth > 40:
        return
    for i in range(o.childCount):
        c = o.getChildAtIndex(i)
        if c is None or not showing(c):
            continue
        yield c
        yield from walk(c, depth + 1)


def has_action(o):
    try:
        return o.queryAction().nActions > 0
    except NotImplementedError:
        return False


def interactive(o):
    role = o.getRoleName()
    if role in INTERACTIVE:
        return True
    return states(o).contains(pyatspi.STATE_FOCUSABLE) or (
        has_action(o) and role not in {"label", "image", "progress bar"})


def audit(where, root):
    count = 0
    for o in walk(root):
        if not interactive(o):
            continue
        count += 1
        role = o.getRoleName()
        # Table cells and list items are named by their text; an empty cell is fine.
        if role in {"table cell", "list item", "table column header"}:
            continue
        if not (o.name or "").strip():
            problems.append("%s: %s without a name" % (where, role))
        if role in GENERIC:
            problems.append("%s: \"%s\" has the generic role %s" % (where, o.name, role))
    return count


def find(root, role, name=None, prefix=None):
    for o in walk(root):
        if o.getRoleName() != role:
            continue
        if name is not None and o.name != name:
            continue
        if prefix is not None and not (o.name or "").startswith(prefix):
            continue
        return o
    return None


def act(o, names=("Press", "Toggle", "Click", "ShowMenu", "press", "click", "toggle")):
    a = o.queryAction()
    for i in range(a.nActions):
        if a.getName(i) in names:
            a.doAction(i)
            return True
    problems.append("\"%s\" has no press action" % o.name)
    return False


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def dialog(app, main, title):
    def look():
        for w in windows(app):
            if w is not None and w != main and w.name == title and showing(w):
                return w
        return None
    return wait_for(look, 8)


def close_dialog(d, names=("Cancel", "CANCEL", "Close", "CLOSE", "OK")):
    for n in names:
        b = find(d, "push button", n)
        if b is not None:
            act(b)
            return True
    problems.append("dialog \"%s\": no button closes it" % d.name)
    return False


def choose(app, main, opener, path):
    """Opens `opener`'s menu and follows `path` through its sub-menus."""
    act(opener)
    for name in path:
        # A menu is a child of the window that owns it, or a window of its own.
        item = wait_for(lambda: next((find(w, r, name) for w in windows(app)[::-1]
                                      if w is not None and showing(w)
                                      for r in ("menu item", "menu")
                                      if find(w, r, name)), None), 5)
        if item is None:
            problems.append("no menu item \"%s\" under \"%s\"" % (name, opener.name))
            return False
        act(item)
        time.sleep(0.3)
    return True


def check_dialog(app, main, title):
    """Audits the dialog titled `title` once it shows and closes it unchanged."""
    d = dialog(app, main, title)
    if d is None:
        problems.append("\"%s\" did not open" % title)
        return 0
    audit("dialog \"%s\"" % title, d)
    close_dialog(d)
    wait_for(lambda: not showing(d), 5)
    return 1


def open_dialog(app, main, opener, path, title):
    """Opens a dialog through a menu and checks it."""
    return check_dialog(app, main, title) if choose(app, main, opener, path) else 0


def select_tab(main, name):
    tab = find(main, "page tab", name)
    if tab is None:
        problems.append("no page tab \"%s\"" % name)
        return False
    act(tab)
    if not wait_for(lambda: states(tab).contains(pyatspi.STATE_SELECTED) or
                    states(tab).contains(pyatspi.STATE_CHECKED), 5):
        problems.append("tab \"%s\" is not shown as selected" % name)
    time.sleep(0.5)
    return True


def main():
    app = wait_for(program, 20)
    if app is None:
        print("not listed")
        return 3
    win = [w for w in windows(app) if w is not None and w.name == WINDOW_TITLE][0]
    if win.getRoleName() != "frame":
        problems.append("the window's role is %s" % win.getRoleName())

    slot = find(win, "radio button", "Profile 1")
    if slot is None or not states(slot).contains(pyatspi.STATE_CHECKED):
        problems.append("the profile in use does not read as the checked \"Profile 1\"")
    for tab in ("LIGHTING", "CUSTOMIZE", "DPI", "MACRO"):
        if select_tab(win, tab):
            print("%s: %d interactive objects" % (tab, audit(tab, win)))

    # Dialogs a user opens from the window.
    opened = 0
    for tab, button, title in (("LIGHTING", "Profiles by Application", "Profiles for Applications"),
                               ("MACRO", "GUN SET", "Gun Set")):
        select_tab(win, tab)
        b = find(win, "push button", button)
        if b is None:
            problems.append("no button \"%s\"" % button)
        elif act(b):
            opened += check_dialog(app, win, title)

    # LIGHTING: an effect with a colour, and the colour's editor.
    select_tab(win, "LIGHTING")
    effect = find(win, "combo box", prefix="Lighting effect")
    if effect is None or not choose(app, win, effect, ("FULL LIGHTED",)):
        problems.append("no lighting effect \"FULL LIGHTED\"")
    swatch = wait_for(lambda: find(win, "push button", prefix="Colour #"), 5)
    if swatch is None:
        problems.append("no colour button")
    elif act(swatch):
        opened += check_dialog(app, win, "Color Edit")

    # The DPI tab: the second stage to 1600 DPI and the lift distance option.
    select_tab(win, "DPI")
    slider = find(win, "slider", "DPI stage 2")
    if slider is None:
        problems.append("no slider \"DPI stage 2\"")
    else:
        slider.queryValue().currentValue = 1600.0
        stage = wait_for(lambda: find(win, "check box", prefix="DPI stage 2, 1600 DPI"), 5)
        if stage is None:
            problems.append("stage 2 does not read 1600 DPI")
    option = find(win, "check box", "Lift distance, 2mm")
    if option is None:
        problems.append("no check box \"Lift distance, 2mm\"")
    else:
        act(option)

    # CUSTOMIZE: the dialogs behind the function menu, left unchanged, then
    # the fourth button becomes Back.
    select_tab(win, "CUSTOMIZE")
    row = find(win, "combo box", prefix="Button 4, ")
    if row is None:
        problems.append("no combo box \"Button 4, ...\"")
    else:
        for path, title in ((("Advance", "COMBO KEY"), "Combo Key"),
                            (("Advance", "SINGLE KEY"), "Single Key"),
                            (("Advance", "FIRE KEY"), "FireKey Setting")):
            opened += open_dialog(app, win, row, path, title)
        if choose(app, win, row, ("Back",)) and \
                not wait_for(lambda: find(win, "combo box", "Button 4, Back"), 5):
            problems.append("the row does not read \"Button 4, Back\"")

    apply = find(win, "push button", "Apply")
    if apply is None:
        problems.append("no Apply button")
    else:
        act(apply)
    print("dialogs: %d" % opened)
    for p in dict.fromkeys(problems):
        print("problem: %s (%d times)" % (p, problems.count(p)) if problems.count(p) > 1
              else "problem: " + p)
    print("walked")
    return 0


if __name__ == "__main__":
    sys.exit(main())
