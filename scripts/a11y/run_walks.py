"""Runs the walks through the accessibility bus: run_walks.py [--lang ko|en]
BUILD_DIR [WALK...]. The programs run in the language given (Korean by
default) and the walks look for their names in it. Each program adds its
walk to WALKS when it lands."""

import subprocess
import sys
import time

import carrowin_walk
import harness
import names
import pelodex_walk
import velluto_walk

WALKS = {"pelodex": pelodex_walk.walk, "carrowin": carrowin_walk.walk, "velluto": velluto_walk.walk}


def report_screen(desktop):
    """What every program showed when a walk failed."""
    try:
        for app in desktop.atspi.Registry.getDesktop(0):
            if app is not None and app.name:
                harness.say(f"{app.name} shows:\n{harness.App(desktop, app.name).outline()}")
    except Exception as error:  # the bus itself may be gone
        harness.say(f"the accessibility tree cannot be read: {error}")


def run(name, build):
    desktop = harness.Desktop()
    desktop.env["LANGUAGE"] = names.language()
    started = time.monotonic()
    try:
        desktop.start()
        WALKS[name](desktop, build)
        harness.say(f"{name} ({names.language()}): passed in {time.monotonic() - started:.1f} s")
        return 0
    except Exception as error:  # report every failure the same way
        harness.say(f"{name} ({names.language()}): FAILED: {error}")
        if hasattr(desktop, "atspi"):
            report_screen(desktop)
        return 1
    finally:
        desktop.stop()


def main(argv):
    language, argv = names.take_language(argv)
    if language not in ("ko", "en") or len(argv) < 2 or any(name not in WALKS for name in argv[2:]):
        print(f"사용법: run_walks.py [--lang ko|en] 빌드폴더 [{'|'.join(WALKS)}...]", file=sys.stderr)
        return 64
    names.use(language)
    build, wanted = argv[1], argv[2:] or list(WALKS)
    if len(wanted) == 1:
        return run(wanted[0], build)
    # One process a walk: the accessibility library binds to the first bus
    # it meets, and each walk brings its own.
    return max(subprocess.run([sys.executable, argv[0], "--lang", language, build, name]).returncode
               for name in wanted)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
