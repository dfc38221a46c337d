"""A private desktop for walks through the suite's windows the way assistive
technology goes: Xvfb, a D-Bus session bus and the accessibility bus, all
started here and stopped at the end, and helpers that find controls only by
their role and name (pyatspi, Debian's python3-pyatspi)."""

import os
import shutil
import signal
import subprocess
import tempfile
import time

import names

STEP_TIMEOUT = 20.0  # seconds for any one thing to show up
CONTROL_MASK = 1 << 2  # the X modifier bit of Ctrl


class WalkFailed(Exception):
    pass


def say(text):
    print(f"[{time.strftime('%H:%M:%S')}] {text}", flush=True)


class Desktop:
    """Xvfb, dbus-daemon and at-spi-bus-launcher in a private home."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="pdx-a11y-")
        self.procs = []
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "run")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                        QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_ACCESSIBILITY="1", LANG="C.UTF-8", LANGUAGE=names.language(), NO_AT_BRIDGE="0")
        self.env.pop("WAYLAND_DISPLAY", None)

    def start(self):
        # The server picks a free display and names it when it is ready, so
        # that walks running side by side never share one.
        read, write = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                   pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as ready:
            display = ready.readline().strip()
        if not display:
            raise WalkFailed("the X server did not start")
        self.env["DISPLAY"] = f":{display}"
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi  # after the bus address is known
        self.atspi = pyatspi
        self._wait(self._registry_answers, "accessibility bus")
        say(f"desktop ready on :{display}")

    def spawn(self, argv, path=None, **kwargs):
        """Starts a program on the desktop; `path` replaces its PATH."""
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        env = self.env if path is None else dict(self.env, PATH=path)
        proc = subprocess.Popen(argv, env=env, start_new_session=True, **kwargs)
        self.procs.append(proc)
        return proc

    def stop(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                os.killpg(proc.pid, signal.SIGTERM)
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    os.killpg(proc.pid, signal.SIGKILL)
                    proc.wait()
        shutil.rmtree(self.root, ignore_errors=True)

    def _registry_answers(self):
        try:
            self.atspi.Registry.getDesktop(0).childCount
            return True
        except Exception:  # the registry is still starting
            return False

    @staticmethod
    def _wait(ready, what, timeout=STEP_TIMEOUT):
        wait_until(ready, f"{what} did not start", timeout)

    def grab(self, box):
        """The screen's pixels inside `box` (x, y, width, height) as bytes."""
        x, y, w, h = box
        return subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "gray:-"],
                              env=self.env, check=True, capture_output=True).stdout


def wait_until(ready, failure, timeout=STEP_TIMEOUT):
    """Polls `ready` until it answers true; WalkFailed(failure) after timeout."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if ready():
                return
        except Exception:  # the tree changed under the question: ask again
            pass
        time.sleep(0.05)
    raise WalkFailed(failure)


class App:
    """One program's accessible tree, searched by role and name only."""

    def __init__(self, desktop, name):
        self.d = desktop
        self.name = name

    def _root(self):
        for app in self.d.atspi.Registry.getDesktop(0):
            if app is not None and app.name == self.name:
                return app
        return None

    def _walk(self, node, depth=0):
        if node is None or depth > 12:
            return
        yield node
        for i in range(node.childCount):
            yield from self._walk(node.getChildAtIndex(i), depth + 1)

    def _first(self, roles, name, within, showing):
        roles = (roles,) if isinstance(roles, str) else roles
        match = name if callable(name) else (lambda n: n == name)
        for node in self._walk(within if within is not None else self._root()):
            if node.getRoleName() in roles and match(node.name or ""):
                if not showing or node.getState().contains(self.d.atspi.STATE_SHOWING):
                    return node
        return None

    def find(self, roles, name, within=None, timeout=STEP_TIMEOUT, showing=True):
        """The first object of one of `roles` (pyatspi role names, as
        "push button") named `name` (a callable may test the name)."""
        found = []
        wait_until(lambda: found.append(self._first(roles, name, within, showing)) or found[-1],
                   f"no {roles} named {name if not callable(name) else '(test)'}", timeout)
        return found[-1]

    def find_all(self, roles, within, name=None):
        """Every object of one of `roles` under `within`, shown or not."""
        roles = (roles,) if isinstance(roles, str) else roles
        return [node for node in self._walk(within)
                if node.getRoleName() in roles and (name is None or node.name == name)]

    def window(self, name, timeout=STEP_TIMEOUT):
        return self.find(("frame", "window", "dialog"), name, timeout=timeout)

    def press(self, name, within=None):
        """Presses a button once it is enabled (it has a press action then)."""
        button = self.find(("push button", "check box", "radio button"), name, within=within)
        wait_until(lambda: self._press_action(button) is not None, f"button {name} stays disabled")
        button.queryAction().doAction(self._press_action(button))
        return button

    @staticmethod
    def _press_action(button):
        action = button.queryAction()
        for i in range(action.nActions):
            if action.getName(i).lower() in ("press", "click", "toggle"):
                return i
        return None

    def type_into(self, name, text, within=None):
        field = self.find(("entry", "text", "password text"), name, within=within)
        field.queryEditableText().setTextContents(text)
        return field

    def gone(self, roles, name, timeout=STEP_TIMEOUT):
        wait_until(lambda: self._first(roles, name, None, True) is None, f"{name} is still there", timeout)

    # The pointer and the keyboard go through the accessibility registry,
    # which sends them to the X server as a user's would be.

    def extents(self, node):
        """The object's (x, y, width, height) on the screen."""
        box = node.queryComponent().getExtents(self.d.atspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def is_showing(self, node):
        """Shown to the user: the showing state and a non-empty extent."""
        _, _, w, h = self.extents(node)
        return node.getState().contains(self.d.atspi.STATE_SHOWING) and w > 0 and h > 0

    def click(self, node, x, y):
        """A left click at (x, y) inside the object."""
        self.drag(node, [(x, y)])

    def drag(self, node, points):
        """Presses the left button at the first point inside the object,
        moves through the others and releases at the last."""
        left, top, _, _ = self.extents(node)
        registry = self.d.atspi.Registry
        (x, y), rest = points[0], points[1:]
        registry.generateMouseEvent(left + x, top + y, "abs")
        registry.generateMouseEvent(left + x, top + y, "b1p")
        for x, y in rest:
            time.sleep(0.05)
            registry.generateMouseEvent(left + x, top + y, "abs")
        registry.generateMouseEvent(left + x, top + y, "b1r")
        time.sleep(0.1)

    def focus(self, node):
        """Gives the object, and its window, the keyboard focus."""
        node.queryComponent().grabFocus()
        wait_until(lambda: node.getState().contains(self.d.atspi.STATE_FOCUSED),
                   f"{node.name} did not take the focus")

    def key(self, keysym, ctrl=False):
        """Presses and releases one key (an X keysym such as 0x33 for 3 or
        0xff57 for End), with Ctrl held when asked."""
        registry, atspi = self.d.atspi.Registry, self.d.atspi
        if ctrl:
            registry.generateKeyboardEvent(CONTROL_MASK, None, atspi.KEY_LOCKMODIFIERS)
        registry.generateKeyboardEvent(keysym, None, atspi.KEY_SYM)
        if ctrl:
            registry.generateKeyboardEvent(CONTROL_MASK, None, atspi.KEY_UNLOCKMODIFIERS)
        time.sleep(0.1)

    def pid_when_running(self, timeout=STEP_TIMEOUT):
        """The program's process id once it shows on the bus."""
        wait_until(lambda: self._root() is not None, f"{self.name} did not start", timeout)
        return self._root().get_process_id()

    def unnamed(self, within):
        """The shown objects under `within` that have no name, one line each."""
        lines = []
        for node in self._walk(within):
            if not node.name and node.getState().contains(self.d.atspi.STATE_SHOWING):
                lines.append(f"{node.getRoleName()} at {self.extents(node)}")
        return lines

    def outline(self):
        """The showing part of the tree, one line a node, for failure reports."""
        lines = []
        for node in self._walk(self._root()):
            try:
                if node.getState().contains(self.d.atspi.STATE_SHOWING):
                    lines.append(f"{node.getRoleName()}: {node.name}")
            except Exception:  # gone meanwhile
                pass
        return "\n".join(lines)

