"""The main window through AT-SPI: every control named, the panel by keyboard, and what a screen
reader hears while the turtle walks: one notice when the panel locks, one with the turtle's place
when the command ends, and no control turned off and on one by one."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LOCK_NOTICE = 'Żółw rysuje… Esc – zatrzymaj'
heard = []  # (kind, name) of every notice shown and every control's state change


def listen(event):
    if event.type.startswith('object:state-changed:showing'):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            heard.append(('notice', event.source.name))
    else:
        heard.append(('state', f'{event.type} {event.source.name}'))


focus = []


def follow_focus(event):
    if event.detail1 == 1:
        focus.append(event.source)


def notices(name_part):
    return [name for kind, name in heard if kind == 'notice' and name_part in (name or '')]

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


def wait_until(test, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        if test():
            return True
        time.sleep(0.1)
    return False


def tab_to(wanted):
    # Follows the focus by its events: a walk of the tree after every Tab would wait for a pass of
    # the program's main loop for every control.
    for _ in range(60):
        wait_until(lambda: False, 0.2)
        if focus and wanted(focus[-1].name or ''):
            return focus[-1]
        key('Tab')
    sys.exit(f'Tab never reached the control; the focus went {[node.name for node in focus]}')


def key(name):
    subprocess.run(['xdotool', 'key', '--clearmodifiers', name], check=True)
    time.sleep(0.15)


def main():
    app = find_program()
    window = main_window(app)
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

    pyatspi.Registry.registerEventListener(follow_focus, 'object:state-changed:focused')
    for kind in ('object:state-changed:showing', 'object:state-changed:enabled', 'object:state-changed:sensitive'):
        pyatspi.Registry.registerEventListener(listen, kind)
    if not any(node.name == 'Naprzód: 100' for node, _ in walk(window)):
        sys.exit('the forward track bar does not start at 100')
    forward = tab_to(lambda name: name == 'Naprzód')
    print('focus on "Naprzód":', forward.getRoleName(), '-', forward.description)
    wait_until(lambda: False, 0.5)
    heard.clear()
    key('space')
    if not wait_until(lambda: notices('Y 100'), 15):
        sys.exit(f'after Naprzód 100 no notice said "Y 100"; heard {heard}')
    wait_until(lambda: False, 1)
    print('heard after Naprzód 100:', heard)
    if len(notices('Y 100')) != 1 or len(notices(LOCK_NOTICE)) != 1:
        sys.exit('not one lock notice and one place notice')
    # Undo may become possible; nothing else changes its state.
    changed = {name.split(' ', 1)[1] for kind, name in heard if kind == 'state'}
    if not changed <= {'Cofnij', 'Ponów'}:
        sys.exit(f'controls were turned off and on one by one: {changed}')

    # The same notice says the new place after a second walk, not the place a reader kept.
    heard.clear()
    key('space')
    if not wait_until(lambda: notices('Y 127'), 15):
        sys.exit(f'after a second Naprzód 100 no notice said "Y 127" (the edge); heard {heard}')
    print('heard after the second walk:', notices('kierunek'))

    # A square and a circle from their keys: each locks the panel and says where the turtle is.
    for letter in ('k', 'o'):
        heard.clear()
        key(letter)
        if not wait_until(lambda: notices(LOCK_NOTICE) and notices('kierunek'), 30):
            sys.exit(f'the key {letter} started no command')
        print('key', letter, 'ran its command:', notices('kierunek')[0])

    colours = tab_to(lambda name: name.startswith('Kolor pisaka:'))
    chosen = colours.name
    key('Right')
    print('colour strip:', chosen, '->', colours.name)
    if colours.name == chosen:
        sys.exit('the arrow on the colour strip chose no other colour')

    # Saving: Ctrl+S asks for a name, typed and confirmed with Enter.
    key('ctrl+s')
    if not wait_until(lambda: any(c is not None and c.getRole() == pyatspi.ROLE_DIALOG for c in app), 10):
        sys.exit('Ctrl+S asked for no name')
    subprocess.run(['xdotool', 'type', '--delay', '50', 'KLASA'], check=True)
    key('Return')
    saved = os.path.join(os.environ['QEL3D_NOTEBOOKS'], 'KLASA.qel3d')
    if not wait_until(lambda: os.path.exists(saved), 10):
        sys.exit('the notebook was not saved from the keyboard')
    print('saved', saved)
    if unnamed:
        sys.exit('controls without a name')


main()
