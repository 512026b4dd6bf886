"""Ferrino driven over the accessibility bus (AT-SPI), as a screen reader does.

Run by atspi_e2e.sh inside a D-Bus session and on a virtual screen of its own:
starts the program given as first argument, finds its window, reads the
active page's tab, types an INSEE number into the field named "Numéro Insee",
presses Enter and reads the completed number back, with the verdict of the
status bar read out as a notification; then switches page with Ctrl+Tab,
moves through a candidate list and makes the red INSEE message appear,
checking each time that the bus told what a screen reader speaks; last,
presses "Fermer" through the bus and sees the program end well.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SHIFT_MASK, CONTROL_MASK = 1 << 0, 1 << 2  # X11 ShiftMask, ControlMask
KEY_RETURN, KEY_TAB, KEY_DOWN = 0xFF0D, 0xFF09, 0xFF54

events = []


def record(event):
    try:
        events.append((event.type, event.detail1, event.source.getRole(), event.source.name))
    except Exception:  # the source may be gone already
        pass


def pump(seconds):
    """Lets the bus deliver its events for `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(what, check, timeout=30.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = check()
        except Exception:  # the tree may change under our feet
            found = None
        if found:
            return found
        pump(0.1)
    raise SystemExit(f"FAIL: {what}: not seen within {timeout:.0f} s")


def descendants(acc, depth=0):
    yield acc
    if depth > 12 or acc.getRole() == pyatspi.ROLE_LIST:
        return
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from descendants(child, depth + 1)


def states(acc):
    return acc.getState()


def find(root, role, name=None, showing=True):
    for acc in descendants(root):
        if acc.getRole() != role or (name is not None and acc.name != name):
            continue
        if showing and not states(acc).contains(pyatspi.STATE_SHOWING):
            continue
        return acc
    return None


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def key_sym(sym):
    pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)


def type_text(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def with_modifiers(mask, sym):
    pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_LOCKMODIFIERS)
    key_sym(sym)
    pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_UNLOCKMODIFIERS)


def with_control(sym):
    with_modifiers(CONTROL_MASK, sym)


def selected_tab(window):
    tabs = find(window, pyatspi.ROLE_PAGE_TAB_LIST)
    for i in range(tabs.childCount):
        tab = tabs.getChildAtIndex(i)
        if states(tab).contains(pyatspi.STATE_SELECTED):
            return tab.name
    return None


def shown_notifications_since(mark):
    return [name for (kind, detail, role, name) in events[mark:]
            if kind == "object:state-changed:showing" and detail == 1 and role == pyatspi.ROLE_NOTIFICATION]


def focused_events_since(mark, role):
    return [name for (kind, detail, r, name) in events[mark:]
            if kind == "object:state-changed:focused" and detail == 1 and r == role]


def main():
    program = sys.argv[1]
    for kind in ("object:state-changed:focused", "object:state-changed:showing", "object:state-changed:selected"):
        pyatspi.Registry.registerEventListener(record, kind)

    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    ferrino = subprocess.Popen([program], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the program on the bus",
                       lambda: next((a for a in desktop if a is not None and a.get_process_id() == ferrino.pid), None), 60)
        print(f"application: {app.name!r}")
        window = wait_for("its window", lambda: find(app, pyatspi.ROLE_DIALOG, "Ferrino"))
        print(f"window: {window.name!r}")

        page = wait_for("the selected page tab", lambda: selected_tab(window))
        print(f"active tab: {page!r}")
        if page != "Clé Insee":
            raise SystemExit(f"FAIL: the first page is {page!r}")

        field = wait_for("the field named 'Numéro Insee'", lambda: find(window, pyatspi.ROLE_TEXT, "Numéro Insee"))
        labels = [target.name for relation in field.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
        print(f"field: {field.name!r}, labelled by {labels}, description {field.description!r}")
        if labels != ["Numéro Insee :"] or not field.description.startswith("Sexe, Année"):
            raise SystemExit("FAIL: the field is not labelled and described")
        wait_for("the focus in the field", lambda: states(field).contains(pyatspi.STATE_FOCUSED))

        # A number without its key, then Enter: "Calcule" writes the key.
        type_text("1850578006084")
        wait_for("the typed number", lambda: text_of(field) == "1850578006084")
        mark = len(events)
        key_sym(KEY_RETURN)
        completed = wait_for("the completed number", lambda: text_of(field) == "1 85 05 78 006 084 91" and text_of(field))
        print(f"field text after Enter: {completed!r}")
        # The verdict of the status bar, read out as a notification when it comes.
        status = find(window, pyatspi.ROLE_STATUS_BAR, showing=False)
        if status is not None and status.name:
            verdict = status.name
            wait_for("the verdict read out", lambda: verdict in shown_notifications_since(mark))
            print(f"verdict read out: {verdict!r}")

        # Ctrl+Tab: the next page; its tab is the selected one and its field has the focus.
        mark = len(events)
        with_control(KEY_TAB)
        wait_for("the next page", lambda: selected_tab(window) == "Clé RIB/RIP")
        wait_for("the focus on the RIB field", lambda: "RIB/RIP" in focused_events_since(mark, pyatspi.ROLE_TEXT))
        print(f"after Ctrl+Tab: tab {selected_tab(window)!r}, focus on 'RIB/RIP'")
        with_modifiers(CONTROL_MASK | SHIFT_MASK, KEY_TAB)
        wait_for("the INSEE page again", lambda: selected_tab(window) == "Clé Insee")
        wait_for("the focus back in the INSEE field", lambda: states(field).contains(pyatspi.STATE_FOCUSED))

        # A search: the list is read row by row as the keyboard moves in it.
        with_control(ord("a"))
        type_text("1850578006?84")
        key_sym(KEY_RETURN)
        candidates = wait_for("the candidate list", lambda: find(window, pyatspi.ROLE_LIST, "Candidats"))
        print(f"list: {candidates.name!r}, {candidates.description!r}")
        key_sym(KEY_TAB)
        wait_for("the focus in the list", lambda: states(candidates).contains(pyatspi.STATE_FOCUSED))
        pump(0.3)  # the row that became current on the way in is told after the list
        # The first Down selects the row the list came in on, the next ones move.
        told = []
        for _ in range(3):
            mark = len(events)
            key_sym(KEY_DOWN)
            row = wait_for("the row told", lambda: [name for (kind, detail, role, name) in events[mark:]
                                                    if role == pyatspi.ROLE_LIST_ITEM and detail == 1 and kind in
                                                    ("object:state-changed:focused", "object:state-changed:selected")])
            told.append(row[-1])
        print(f"Down, Down, Down: {told}")
        if len(set(told)) != 3:
            raise SystemExit("FAIL: the rows told are not the three rows moved to")

        # Too many unknown digits: the red message shows as a notification.
        mark = len(events)
        field_again = find(window, pyatspi.ROLE_TEXT, "Numéro Insee")
        field_again.queryComponent().grabFocus()
        wait_for("the focus back in the INSEE field", lambda: states(field_again).contains(pyatspi.STATE_FOCUSED))
        with_control(ord("a"))
        type_text("185")
        key_sym(KEY_RETURN)
        message = "Trop de chiffres inconnus ! Calcul impossible."
        wait_for("the red message read out", lambda: message in shown_notifications_since(mark))
        print(f"notifications: {shown_notifications_since(mark)}")

        # "Fermer", pressed through the bus: the program ends, and ends well.
        close = find(window, pyatspi.ROLE_PUSH_BUTTON, "Fermer")
        actions = close.queryAction()
        actions.doAction(next(i for i in range(actions.nActions) if actions.getName(i) == "Press"))
        wait_for("the program's end", lambda: ferrino.poll() is not None)
        if ferrino.returncode != 0:
            raise SystemExit(f"FAIL: the program ended with {ferrino.returncode}")
        print("PASS")
    finally:
        if ferrino.poll() is None:
            ferrino.terminate()
            try:
                ferrino.wait(10)
            except subprocess.TimeoutExpired:
                ferrino.kill()


if __name__ == "__main__":
    main()
