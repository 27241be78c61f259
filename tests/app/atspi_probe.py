#!/usr/bin/python3
"""Reads the running program over the desktop's accessibility bus (AT-SPI), as a screen reader
does, for the end-to-end runs.

    atspi_probe.py unnamed             the showing controls that have no name, one a line;
                                       status 1 when there is any
    atspi_probe.py names ROLE          the names of the showing objects of ROLE ("push button")
    atspi_probe.py has ROLE NAME [STATE...]
                                       status 0 when a showing object of ROLE is named NAME and
                                       has every STATE ("checked", "selected", "focused"...),
                                       within ten seconds
    atspi_probe.py labelled ROLE LABEL a showing object of ROLE is labelled by one named LABEL
                                       (lists on Linux are named by their current line and
                                       tell their label beside it), within ten seconds
    atspi_probe.py press NAME          does the first action of the showing control named NAME
    atspi_probe.py focused SECONDS     for SECONDS, each object that gets the focus, as role and name
                                       (menus are not in the tree: screen readers follow them
                                       by their focus)
    atspi_probe.py dump                the whole tree, for reading by a person
"""
import sys
import time

import pyatspi
from gi.repository import GLib

APPLICATION = 'Quenvalor'
# The roles of what a user works with or reads: each must say what it is.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_IMAGE, pyatspi.ROLE_STATUS_BAR, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU,
    pyatspi.ROLE_FILLER,
}


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APPLICATION:
                return app
        time.sleep(0.1)
    sys.exit(f'no application {APPLICATION} on the accessibility bus')


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, depth=0):
    """Every showing object below `node`, with its depth."""
    for child in node:
        if child is None or not showing(child):
            continue
        yield child, depth
        yield from walk(child, depth + 1)


def states(node):
    return {pyatspi.stateToString(state) for state in node.getState().getStates()}


def main():
    command, arguments = sys.argv[1], sys.argv[2:]
    app = application()
    if command == 'unnamed':
        unnamed = [node for node, _ in walk(app)
                   if node.getRole() in CONTROLS and not node.name.strip()]
        for node in unnamed:
            parent = node.parent
            print(f'unnamed {node.getRoleName()} in {parent.getRoleName()} {parent.name!r}')
        checked = sum(1 for node, _ in walk(app) if node.getRole() in CONTROLS)
        print(f'{checked} controls, {len(unnamed)} without a name')
        return 1 if unnamed or checked == 0 else 0
    if command == 'names':
        for node, _ in walk(app):
            if node.getRoleName() == arguments[0]:
                print(node.name)
        return 0
    if command == 'has':
        role, name, wanted = arguments[0], arguments[1], set(arguments[2:])
        for _ in range(100):
            for node, _ in walk(application()):
                if node.getRoleName() == role and node.name == name and wanted <= states(node):
                    return 0
            time.sleep(0.1)
        print(f'no showing {role} named {name!r} with {sorted(wanted)}')
        return 1
    if command == 'labelled':
        role, label = arguments
        for _ in range(100):
            for node, _ in walk(application()):
                if node.getRoleName() != role:
                    continue
                for relation in node.getRelationSet():
                    if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
                        continue
                    targets = [relation.getTarget(i) for i in range(relation.getNTargets())]
                    if any(target.name == label for target in targets):
                        return 0
            time.sleep(0.1)
        print(f'no showing {role} labelled {label!r}')
        return 1
    if command == 'press':
        for node, _ in walk(app):
            if node.name == arguments[0] and node.queryAction().nActions > 0:
                node.queryAction().doAction(0)
                return 0
        print(f'no control named {arguments[0]!r} to press')
        return 1
    if command == 'focused':
        def told(event):
            if event.detail1 == 1 and event.source is not None:
                print(f'{event.source.getRoleName()}\t{event.source.name}', flush=True)
        pyatspi.Registry.registerEventListener(told, 'object:state-changed:focused')
        GLib.timeout_add(int(float(arguments[0]) * 1000), pyatspi.Registry.stop)
        print('listening', flush=True)
        pyatspi.Registry.start()
        return 0
    if command == 'dump':
        for node, depth in walk(app):
            print('  ' * depth + f'{node.getRoleName()} {node.name!r} {sorted(states(node))}')
        return 0
    sys.exit(__doc__)


if __name__ == '__main__':
    sys.exit(main())
