"""Pictures of the real programs: shots.py [--lang ko|en] BUILD_DIR OUT_DIR
PICTURES... (pelodex, phonebook, settings, sms, assign, carrowin, velluto),
the programs running in the language given (Korean by default). Each
program is started as a user starts it, on a private X display (Xvfb, the xcb platform, no window manager), driven
through its controls by role and name where a picture needs it, and its
window is grabbed from the X server with ImageMagick's import."""

import os
import signal
import subprocess
import sys
import time

import harness
import names
from harness import App, say
from names import picture, t, tr
from pelodex_walk import start_phone

SETTLE = 1.0  # seconds for a window to paint after it shows
READ = 3.0  # seconds for a page to read the simulated phone


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


def logged_on(desktop, build):
    """Pelodex on the simulated phone, logged on: its main menu."""
    _, device = start_phone(desktop, os.path.join(build, "cli", "pelodex-cli"))
    program = desktop.spawn([os.path.join(build, "apps", "pelodex", "Pelodex"), "--device", device])
    app = App(desktop, "Pelodex")
    logon = app.window(t("비밀번호 입력"))
    for _ in range(4):
        app.press("0", within=logon)
    app.press(t("확인"), within=logon)
    return program, app, app.window(t("시작메뉴"))


def menu_pages(desktop, build, out, pages):
    """Each (menu button, page title, picture, hook) of `pages` in turn,
    back to the menu after each; a hook takes more pictures from the page
    and returns the page to leave by its 이전 button."""
    program, app, menu = logged_on(desktop, build)
    for button, title, picture, hook in pages:
        app.press(button, within=menu)
        page = app.window(title, timeout=60)
        time.sleep(READ)
        grab(desktop, page, out, picture)
        if hook:
            page = hook(desktop, app, page, out)
        app.press(t("이전"), within=page)
        menu = app.window(t("시작메뉴"))
    end(program)


def dialog_from(desktop, app, page, button, out, picture):
    """The dialog `button` opens, grabbed and cancelled."""
    app.press(button, within=page)
    dialog = app.find("dialog", lambda n: True)
    grab(desktop, dialog, out, picture)
    app.press(lambda n: n in (t("취소"), t("닫기")), within=dialog)
    app.gone("dialog", lambda n: True)
    return page


def phonebook_page(desktop, build, out, menu_picture):
    """Pelodex on the simulated phone, logged on, on its phonebook page."""
    program, app, menu = logged_on(desktop, build)
    if menu_picture:
        grab(desktop, menu, out, "pelodex-menu")
    app.press(t("다이어리 전화번호부"), within=menu)
    page = app.window(t("다이어리 전화번호부"), timeout=60)
    rows = app.find("list", t("전화번호 목록"), within=page)
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
    for button, name in ((t("새 전화번호 입력"), "entry-dialog"), (t("그룹이름 수정"), "group-list-dialog"),
                         (t("인쇄"), "print-options-dialog")):
        dialog_from(desktop, app, page, button, out, name)
    end(program)


def settings(desktop, build, out):
    """The speed dials, the alarms with the add dialog, the phone options."""
    program, app, page = phonebook_page(desktop, build, out, False)
    app.press(t("단축 다이얼 편집"), within=page)
    page = app.window(t("단축 다이얼 편집"), timeout=60)
    time.sleep(READ)
    grab(desktop, page, out, "speed-dial-page")
    end(program)
    menu_pages(desktop, build, out, [
        (t("알람 지정"), t("알람 지정"), "alarm-page",
         lambda d, a, p, o: dialog_from(d, a, p, t("추가"), o, "alarm-edit-dialog")),
        (t("휴대폰 환경 설정"), t("휴대폰 환경 설정"), "options-page", None)])


def sms(desktop, build, out):
    """The message menu and both message pages."""
    def boxes(d, a, menu, o):
        for button, picture in ((t("문자 메시지 확인"), "sms-received-page"),
                                (t("문자 메시지 발신"), "sms-sent-page")):
            a.press(button, within=menu)
            page = a.window(button, timeout=60)
            time.sleep(READ)
            grab(d, page, o, picture)
            a.press(t("이전"), within=page)
            menu = a.window(t("단문 메시지"))
        return menu
    menu_pages(desktop, build, out, [(t("단문 메시지 주고받기"), t("단문 메시지"), "sms-menu", boxes)])


def assign(desktop, build, out):
    """The melody and animation pages with a sample file in each folder."""
    sample_melody(desktop, build)
    sample_animation(desktop, build)
    menu_pages(desktop, build, out, [(t("나만의 멜로디 지정"), t("나만의 멜로디 지정"), "melody-page", None),
                                     (t("애니메이션 지정"), t("애니메이션 지정"), "animation-page", None)])


def sample_melody(desktop, build):
    melody = os.path.join(data_folder(desktop, "melody"), "봄.pcm")
    cli(desktop, build, "melody", "import-rtttl",
        "봄:d=4,o=5,b=112:8e,8g,c6,8b,8a,g,8e,8g,a,g.,8p,8c6,8d6,e6,8d6,8c6,d6,8b,8g,c6", "--out", melody)
    return melody


def sample_animation(desktop, build):
    picture = os.path.join(desktop.root, "drawing.bmp")
    subprocess.run(["convert", "-size", "192x102", "xc:white", "-fill", "none", "-stroke", "black",
                    "-strokewidth", "3", "-draw", "rectangle 8,8 84,94",
                    "-fill", "black", "-draw", "circle 140,51 140,10",
                    "-fill", "none", "-draw", "line 4,98 188,4", "BMP3:" + picture], check=True)
    animation = os.path.join(data_folder(desktop, "animate"), "그림.pca")
    if not os.path.exists(animation):
        cli(desktop, build, "animation", "add-image", animation, picture, "--name", "네모와 원")
    return animation


def carrowin(desktop, build, out):
    melody = sample_melody(desktop, build)
    program = desktop.spawn([os.path.join(build, "apps", "carrowin", "Carrowin"), melody])
    app = App(desktop, "Carrowin")
    window = app.window(tr("멜로디 편집기"))
    grab(desktop, window, out, picture("carrowin"))
    # A dialog and a message box, for their captions and buttons.
    app.press(tr("새 멜로디를 입력합니다."), within=window)
    dialog = app.find("text", tr("멜로디이름")).parent
    grab(desktop, dialog, out, picture("carrowin-name-dialog"))
    app.press(tr("취소"), within=dialog)
    app.press(tr("멜로디 편집기 프로그램을 종료합니다."), within=window)
    grab(desktop, app.window(tr("프로그램을 종료하시겠습니까?")), out, picture("carrowin-exit-box"))
    end(program)


def velluto(desktop, build, out):
    animation = sample_animation(desktop, build)
    program = desktop.spawn([os.path.join(build, "apps", "velluto", "Velluto"), animation])
    app = App(desktop, "Velluto")
    window = app.window(tr("애니메이션 편집기"))
    app.find("canvas", tr("그림"), within=window)
    grab(desktop, window, out, picture("velluto"))
    end(program)


PROGRAMS = {"pelodex": pelodex, "phonebook": phonebook, "settings": settings, "sms": sms, "assign": assign,
            "carrowin": carrowin, "velluto": velluto}


def main(argv):
    language, argv = names.take_language(argv)
    if language not in ("ko", "en") or len(argv) < 4 or any(p not in PROGRAMS for p in argv[3:]):
        print("사용법: shots.py [--lang ko|en] 빌드폴더 출력폴더 " + "|".join(PROGRAMS) + "...", file=sys.stderr)
        return 64
    names.use(language)
    build, out = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    os.makedirs(out, exist_ok=True)
    # One desktop for all: the accessibility library stays with the bus it
    # first met.
    desktop = harness.Desktop()
    desktop.env["LANGUAGE"] = language
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
