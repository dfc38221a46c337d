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

STEP_TIMEOUT = 20.0  # seconds for any one thing to show up


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
                        QT_ACCESSIBILITY="1", LANG="C.UTF-8", NO_AT_BRIDGE="0")
        self.env.pop("WAYLAND_DISPLAY", None)

    def start(self):
        display = self._free_display()
        self.env["DISPLAY"] = f":{display}"
        self.spawn(["Xvfb", f":{display}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"])
        self._wait(lambda: os.path.exists(f"/tmp/.X11-unix/X{display}"), "X server")
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi  # after the bus address is known
        self.atspi = pyatspi
        self._wait(self._registry_answers, "accessibility bus")
        say(f"desktop ready on :{display}")

    def spawn(self, argv, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        proc = subprocess.Popen(argv, env=self.env, start_new_session=True, **kwargs)
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
    def _free_display():
        for n in range(90, 190):
            if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
                return n
        raise WalkFailed("no free X display")

    @staticmethod
    def _wait(ready, what, timeout=STEP_TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if ready():
                return
            time.sleep(0.05)
        raise WalkFailed(f"{what} did not start")


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

    def find(self, roles, name, within=None, timeout=STEP_TIMEOUT, showing=True):
        """The first object of one of `roles` (pyatspi role names, as
        "push button") named `name` (a callable may test the name)."""
        roles = (roles,) if isinstance(roles, str) else roles
        match = name if callable(name) else (lambda n: n == name)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                top = within if within is not None else self._root()
                for node in self._walk(top):
                    if node.getRoleName() in roles and match(node.name or ""):
                        if not showing or node.getState().contains(self.d.atspi.STATE_SHOWING):
                            return node
            except Exception:  # the tree changed under the walk: look again
                pass
            time.sleep(0.1)
        raise WalkFailed(f"no {'/'.join(roles)} named {name if not callable(name) else '(test)'}")

    def window(self, name, timeout=STEP_TIMEOUT):
        return self.find(("frame", "window", "dialog"), name, timeout=timeout)

    def press(self, name, within=None):
        button = self.find(("push button", "check box"), name, within=within)
        action = button.queryAction()
        for i in range(action.nActions):
            if action.getName(i).lower() in ("press", "click", "toggle"):
                action.doAction(i)
                return button
        raise WalkFailed(f"button {name} has no press action")

    def type_into(self, name, text, within=None):
        field = self.find(("entry", "text", "password text"), name, within=within)
        field.queryEditableText().setTextContents(text)
        return field

    def gone(self, roles, name, timeout=STEP_TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                self.find(roles, name, timeout=0.2)
            except WalkFailed:
                return
        raise WalkFailed(f"{name} is still there")
