#!/usr/bin/python3
"""Reads and uses the accessibility tree of one running program over AT-SPI.

  AccessibleTree.py PID dump         one line per visible object: role|name|value
  AccessibleTree.py PID press NAME   runs the "press" action of the first
                                     visible object named NAME
  AccessibleTree.py PID listen       prints "ready", then what a screen
                                     reader hears of the program, one line an
                                     event until killed: focus|role|name for
                                     each object that takes the focus,
                                     shown|role|name for each notification
                                     that appears

Exit codes: 0 done, 1 the program or the object was not found, 2 pyatspi is
missing (the message names the package).
"""
import sys

try:
    import pyatspi
except ImportError as error:
    print(f"python3-pyatspi is not installed: {error}", file=sys.stderr)
    sys.exit(2)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def visible(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node):
    for child in node:
        if child is None or not visible(child):
            continue
        yield child
        yield from walk(child)


def value(node):
    try:
        return str(int(node.queryValue().currentValue))
    except NotImplementedError:
        return ""


def listen(pid):
    def heard(event):
        try:
            source = event.source
            if not event.detail1 or source.get_process_id() != pid:
                return
            if event.type.startswith("object:state-changed:focused"):
                kind = "focus"
            elif source.getRole() == pyatspi.ROLE_NOTIFICATION:
                kind = "shown"
            else:
                return
            print(f"{kind}|{source.getRoleName()}|{source.name}", flush=True)
        except Exception as error:  # an object gone before it was read
            print(f"error|{error}", flush=True)

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused",
                                           "object:state-changed:showing")
    print("ready", flush=True)
    pyatspi.Registry.start()
    return 0


def main():
    pid, command = int(sys.argv[1]), sys.argv[2]
    if command == "listen":
        return listen(pid)
    app = application(pid)
    if app is None:
        print(f"no accessible application with process id {pid}", file=sys.stderr)
        return 1
    if command == "dump":
        for node in walk(app):
            print(f"{node.getRoleName()}|{node.name}|{value(node)}")
        return 0
    name = sys.argv[3]
    for node in walk(app):
        if node.name != name:
            continue
        actions = node.queryAction()
        for index in range(actions.nActions):
            if actions.getName(index).lower() == "press":
                actions.doAction(index)
                return 0
    print(f"no visible object named {name!r} with a press action", file=sys.stderr)
    return 1


sys.exit(main())
