#!/usr/bin/python3
"""Shows what assistive technology sees of the running Brewdial: each of its windows and,
indented below it, every control with its AT-SPI role, name and states (and an edit's text or a
bar's value). For checks by hand; no test or build needs it.

Needs Debian's python3-pyatspi, at-spi2-core and dbus-x11. Under a virtual X server:

    Xvfb :55 -screen 0 1024x768x24 & export DISPLAY=:55
    openbox &                                      # a window manager, as on a desktop
    eval "$(dbus-launch --sh-syntax)"              # a session bus; AT-SPI's own bus starts on demand
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$(mktemp -d) build/brewdial &
    scripts/atspi-dump.py                          # every window as it is now
    scripts/atspi-dump.py --pages                  # the main dialog once per tab
    scripts/atspi-dump.py --act Countup --role "radio button"  # as a screen reader activates it

--pages chooses each tab through its AT-SPI action, as a screen reader user would. --act runs
the first action (a radio button's "toggle", a button's "press", a spin button's "increase") of
the first control of that name (and role), then shows the windows.
"""
import argparse
import re
import time

import pyatspi


def program(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    raise SystemExit(f"no application {name!r} on the AT-SPI bus")


def details(acc):
    """An edit's text or a bar's value, as a screen reader reads it besides the name."""
    try:
        if acc.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            text = acc.queryText()
            return f" text={text.getText(0, text.characterCount)!r}"
        if acc.getRole() in (pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_SPIN_BUTTON):
            value = acc.queryValue()
            return f" value={value.currentValue:g} of {value.minimumValue:g}..{value.maximumValue:g}"
    except NotImplementedError:
        pass
    return ""


def dump(acc, depth=0):
    states = sorted(pyatspi.stateToString(s) for s in acc.getState().getStates())
    print(f"{'  ' * depth}{acc.getRoleName()} {acc.name!r}{details(acc)} [{' '.join(states)}]")
    for child in acc:
        if child is not None:
            dump(child, depth + 1)


def find(acc, match):
    if match(acc):
        return acc
    for child in acc:
        found = find(child, match) if child is not None else None
        if found:
            return found
    return None


def act(acc):
    action = acc.queryAction()
    print(f"-- {acc.getRoleName()} {acc.name!r}: {action.getName(0)}")
    action.doAction(0)
    time.sleep(0.5)  # a press is an animated click


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--app", default="brewdial", help="the application's AT-SPI name")
    parser.add_argument("--window", default="", help="only windows whose title matches this pattern")
    parser.add_argument("--pages", action="store_true", help="the main dialog once per tab")
    parser.add_argument("--act", metavar="NAME", help="activate the first control of this name first")
    parser.add_argument("--role", default="", help="the role of the control to activate")
    args = parser.parse_args()
    app = program(args.app)
    if args.act:
        control = find(app, lambda a: a.name == args.act and args.role in ("", a.getRoleName()))
        if not control:
            raise SystemExit(f"no control {args.act!r} {args.role}")
        act(control)
    if args.pages:
        tabs = find(app, lambda a: a.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)
        window = tabs
        while window.parent != app:
            window = window.parent
        for tab in [t for t in tabs if t.getRole() == pyatspi.ROLE_PAGE_TAB]:
            act(tab)
            dump(window)
        return
    for window in app:
        if window is not None and re.search(args.window, window.name):
            dump(window)


if __name__ == "__main__":
    main()
