"""Pictures of the real programs: shots.py BUILD_DIR OUT_DIR PICTURES...
(pelodex, phonebook, carrowin, velluto). Each program is started as a user starts it,
on a private X display (Xvfb, the xcb platform, no window manager), driven
through its controls by role and name where a picture needs it, and its
window is grabbed from the X server with ImageMagick's import."""

import os
import signal
import subprocess
import sys
import time

import harness
from harness import App, say
from pelodex_walk import start_phone

SETTLE = 1.0  # seconds for a window to paint after it shows


def grab(desktop, node, out, name):
    """The screen under the accessible object `node`, as OUT/NAME.png."""
    time.sleep(SETTLE)
    box = node.queryComponent().getExtents(desktop.atspi.DESKTOP_COORDS)
    path = os.path.join(out, name + ".png")
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{box.width}x{box.height}+{box.x}+{box.y}", "+repage", path],
                   env=desktop.env, check=True)
    say(f"{path}: {box.width} x {box.height}")


def end(program):
    """Ends a program started for its pictures, so the next one's window
    is not covered by it."""
    os.killpg(program.pid, signal.SIGTERM)
    program.wait(10)


def cli(desktop, build, *args):
    subprocess.run([os.path.join(build, "cli", "pelodex-cli"), *args],
                   env=desktop.env, check=True, stdout=subprocess.DEVNULL)


def data_folder(desktop, name):
    folder = os.path.join(desktop.env["XDG_DATA_HOME"], "QZ Telecom", name)
    os.makedirs(folder, exist_ok=True)
    return folder


def phonebook_page(desktop, build, out, menu_picture):
    """Pelodex on the simulated phone, logged on, on its phonebook page."""
    _, device = start_phone(desktop, os.path.join(build, "cli", "pelodex-cli"))
    program = desktop.spawn([os.path.join(build, "core", "app", "Pelodex"), "--device", device])
    app = App(desktop, "Pelodex")
    logon = app.window("비밀번호 입력")
    for _ in range(4):
        app.press("0", within=logon)
    app.press("확인", within=logon)
    menu = app.window("시작메뉴")
    if menu_picture:
        grab(desktop, menu, out, "pelodex-menu")
    app.press("다이어리 전화번호부", within=menu)
    page = app.window("다이어리 전화번호부", timeout=60)
    rows = app.find("list", "전화번호 목록", within=page)
    app.find("list item", lambda n: n != "", within=rows)
    return program, app, page


def pelodex(desktop, build, out):
    program, _, page = phonebook_page(desktop, build, out, True)
    grab(desktop, page, out, "pelodex-phonebook")
    end(program)


def phonebook(desktop, build, out):
    """The phonebook page and the dialogs its buttons open."""
    program, app, page = phonebook_page(desktop, build, out, False)
    grab(desktop, page, out, "phonebook-page")
    for button, name in (("새 전화번호 입력", "entry-dialog"), ("그룹이름 수정", "group-list-dialog"),
                         ("인쇄", "print-options-dialog")):
        app.press(button, within=page)
        dialog = app.find("dialog", lambda n: True)
        grab(desktop, dialog, out, name)
        app.press(lambda n: n in ("취소", "닫기"), within=dialog)
        app.gone("dialog", lambda n: True)
    end(program)


def carrowin(desktop, build, out):
    melody = os.path.join(data_folder(desktop, "melody"), "봄.pcm")
    cli(desktop, build, "melody", "import-rtttl",
        "봄:d=4,o=5,b=112:8e,8g,c6,8b,8a,g,8e,8g,a,g.,8p,8c6,8d6,e6,8d6,8c6,d6,8b,8g,c6", "--out", melody)
    program = desktop.spawn([os.path.join(build, "melody", "ui", "Carrowin"), melody])
    app = App(desktop, "Carrowin")
    grab(desktop, app.window("멜로디 편집기"), out, "carrowin")
    end(program)


def velluto(desktop, build, out):
    folder = data_folder(desktop, "animate")
    picture = os.path.join(desktop.root, "drawing.bmp")
    subprocess.run(["convert", "-size", "192x102", "xc:white", "-fill", "none", "-stroke", "black",
                    "-strokewidth", "3", "-draw", "rectangle 8,8 84,94",
                    "-fill", "black", "-draw", "circle 140,51 140,10",
                    "-fill", "none", "-draw", "line 4,98 188,4", "BMP3:" + picture], check=True)
    animation = os.path.join(folder, "그림.pca")
    cli(desktop, build, "animation", "add-image", animation, picture, "--name", "네모와 원")
    program = desktop.spawn([os.path.join(build, "animation", "ui", "Velluto"), animation])
    app = App(desktop, "Velluto")
    window = app.window("애니메이션 편집기")
    app.find("canvas", "그림", within=window)
    grab(desktop, window, out, "velluto")
    end(program)


PROGRAMS = {"pelodex": pelodex, "phonebook": phonebook, "carrowin": carrowin, "velluto": velluto}


def main(argv):
    if len(argv) < 4 or any(p not in PROGRAMS for p in argv[3:]):
        print("사용법: shots.py 빌드폴더 출력폴더 pelodex|phonebook|carrowin|velluto...", file=sys.stderr)
        return 64
    build, out = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    os.makedirs(out, exist_ok=True)
    # One desktop for all: the accessibility library stays with the bus it
    # first met.
    desktop = harness.Desktop()
    try:
        desktop.start()
        for name in argv[3:]:
            PROGRAMS[name](desktop, build, out)
    except Exception as error:  # report every failure the same way
        harness.say(f"FAILED: {error}")
        return 1
    finally:
        desktop.stop()
    return 0

if __name__ == "__main__":
    sys.exit(main(sys.argv))
