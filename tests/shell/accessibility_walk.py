"""The main window through AT-SPI: every control named, and the panel by keyboard."""
import subprocess
import sys
import time

import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU,
}


def find_program(seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and 'qel' in (app.name or '').lower():
                return app
        time.sleep(0.2)
    sys.exit('no application named like the program on the accessibility bus')


def walk(node, path=''):
    for child in node:
        if child is None:
            continue
        here = f'{path}/{child.getRoleName()}'
        yield child, here
        yield from walk(child, here)


def main_window(app):
    for child in app:
        if child is not None and child.name == 'Qel 3D':
            return child
    sys.exit('the program shows no window named "Qel 3D"')


def focused(window):
    for node, _ in walk(window):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def status_texts(window):
    return sorted(node.name for node, _ in walk(window)
                  if node.getRole() == pyatspi.ROLE_LABEL and node.name and node.name[:4] in ('X = ', 'Y = '))


def key(name):
    subprocess.run(['xdotool', 'key', '--clearmodifiers', name], check=True)
    time.sleep(0.15)


def main():
    window = main_window(find_program())
    unnamed, seen = [], 0
    for node, path in walk(window):
        if node.getRole() in CONTROLS:
            seen += 1
            if not (node.name or '').strip():
                unnamed.append(path)
    print(f'{seen} controls, {len(unnamed)} without a name')
    for path in unnamed:
        print('  unnamed:', path)
    if seen < 31:
        sys.exit('fewer controls than the window shows')

    before = status_texts(window)
    for _ in range(60):
        node = focused(window)
        if node is not None and node.name == 'Naprzód':
            break
        key('Tab')
    else:
        sys.exit('Tab never reached "Naprzód"')
    print('focus on "Naprzód":', node.getRoleName(), '-', node.description)
    key('space')
    deadline = time.time() + 15
    while time.time() < deadline and status_texts(window) in (before, []):
        time.sleep(0.25)
    after = status_texts(window)
    print('status before', before, 'after', after)
    if after == before:
        sys.exit('Space on "Naprzód" changed nothing on the status line')
    if unnamed:
        sys.exit('controls without a name')


main()
