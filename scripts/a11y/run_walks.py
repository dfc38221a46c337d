"""Runs the walks through the accessibility bus: run_walks.py BUILD_DIR
[WALK...]. Each program adds its walk to WALKS when it lands."""

import sys
import time

import harness
import pelodex_walk

WALKS = {"pelodex": pelodex_walk.walk}


def main(argv):
    if len(argv) < 2:
        print("사용법: run_walks.py 빌드폴더 [walk...]", file=sys.stderr)
        return 64
    build, wanted = argv[1], argv[2:] or list(WALKS)
    failed = 0
    for name in wanted:
        desktop = harness.Desktop()
        started = time.monotonic()
        try:
            desktop.start()
            WALKS[name](desktop, build)
            harness.say(f"{name}: passed in {time.monotonic() - started:.1f} s")
        except Exception as error:  # report every failure the same way
            harness.say(f"{name}: FAILED: {error}")
            failed += 1
        finally:
            desktop.stop()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
