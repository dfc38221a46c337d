"""The Pelodex walk: log on with the keypad and open every page of the menu,
making one change on each: a new message, a phonebook entry (added, found
and deleted), a speed dial, an alarm, an option, a melody to phone slot 1
and an animation to phone slot 0. Every change must reach the simulated
phone's state file. Nothing shown on a page may lack a name. The editor
buttons must start the editors that sit beside Pelodex, with no build
folder on PATH."""

import json
import os
import signal
import subprocess

from harness import App, WalkFailed, say, wait_until
from names import t

NAME = "접근성시험"
NUMBER = "010-1234-5678"
MESSAGE, ALARM = "WALK MESSAGE", "WALKALARM"
KEY_DOWN, KEY_RETURN = 0xFF54, 0xFF0D
SYSTEM_PATH = "/usr/local/bin:/usr/bin:/bin"
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def phone(state_file):
    with open(state_file, encoding="utf-8") as f:
        return json.load(f)


def wait_for_phone(state_file, test, what, timeout=10.0):
    wait_until(lambda: test(phone(state_file)), f"the phone's state file lacks {what}", timeout)
    say(f"the phone shows {what}")


def hex_of(text):
    return text.encode("ascii").hex()


def start_phone(desktop, cli):
    """A simulated phone with three entries, so that the read is short."""
    state = os.path.join(desktop.root, "phone.json")
    seed = desktop.spawn([cli, "simulate", "--state", state], stdout=subprocess.PIPE)
    seed.stdout.readline()  # the sample state is written before the device is printed
    seed.terminate()
    seed.wait()
    data = phone(state)
    data["phonebook"] = data["phonebook"][:3]
    with open(state, "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False)
    sim = desktop.spawn([cli, "simulate", "--state", state], stdout=subprocess.PIPE)
    device = sim.stdout.readline().decode().strip()
    if not device.startswith("/dev/"):
        raise WalkFailed("the simulated phone did not start")
    say(f"simulated phone on {device} with {len(data['phonebook'])} entries")
    return state, device


def media_files(desktop, cli):
    """A melody file and an animation file in the folders Pelodex lists."""
    data = os.path.join(desktop.env["XDG_DATA_HOME"], "QZ Telecom")
    for folder in ("melody", "animate"):
        os.makedirs(os.path.join(data, folder), exist_ok=True)
    subprocess.run([cli, "melody", "import-rtttl", "walk:d=4,o=5,b=120:c,d,e",
                    "--out", os.path.join(data, "melody", "walk.pcm")], check=True, capture_output=True)
    subprocess.run([cli, "animation", "add-image", os.path.join(data, "animate", "walk.pca"),
                    os.path.join(SOURCE, "animation", "image", "testdata", "colour.jpg"), "--name", "walk"],
                   check=True, capture_output=True)


def select_row(app, within, name):
    row = app.find("list item", name, within=within)
    _, _, w, h = app.extents(row)
    app.click(row, w // 2, h // 2)
    return row


def log_on(app):
    logon = app.window(t("비밀번호 입력"))
    say("log-on page: pressing 0 0 0 0 on the keypad")
    for _ in range(4):
        app.press("0", within=logon)
    app.find("label", t("비밀번호 %1자리 입력됨", 4), within=logon)
    app.press(t("확인"), within=logon)
    return app.window(t("시작메뉴"))


def named_page(app, caption, timeout=20):
    """The page, once it shows, with every object on it named."""
    page = app.window(caption, timeout=timeout)
    unnamed = app.unnamed(page)
    if unnamed:
        raise WalkFailed(f"page {caption} shows objects without a name: {'; '.join(unnamed)}")
    say(f"page {caption} open")
    return page


def open_page(app, menu_button, caption, timeout=30):
    app.press(menu_button, within=named_page(app, t("시작메뉴")))
    return named_page(app, caption, timeout=timeout)


def new_message(app, state):
    open_page(app, t("단문 메시지 주고받기"), t("단문 메시지"))
    app.press(t("문자 메시지 발신"))
    page = named_page(app, t("문자 메시지 발신"))
    app.press(t("새 단문 작성"), within=page)
    dialog = app.window(t("문자 메시지"))
    app.type_into(t("메시지 내용"), MESSAGE, within=dialog)
    app.press(t("확인"), within=dialog)
    wait_for_phone(state, lambda p: any(hex_of(MESSAGE) in m for m in p["saved"]), "the new message")
    app.press(t("이전"), within=page)
    app.press(t("이전"), within=app.window(t("단문 메시지")))


def phonebook_entry(app, state):
    page = open_page(app, t("다이어리 전화번호부"), t("다이어리 전화번호부"), timeout=60)
    rows = app.find("list", t("전화번호 목록"), within=page)
    app.press(t("새 전화번호 입력"), within=page)
    entry = app.window(t("전화번호 입력"))
    app.type_into(t("이름"), NAME, within=entry)
    app.type_into(t("휴대폰"), NUMBER, within=entry)
    app.press(t("확인"), within=entry)
    wait_for_phone(state, lambda p: NAME in [e["name"] for e in p["phonebook"]], "the new entry")

    app.press(t("찾기"), within=page)
    find = app.window(t("찾기"))
    app.type_into(t("이름"), NAME, within=find)
    app.press(t("확인"), within=find)
    row = app.find("list item", lambda n: NAME in n, within=rows)
    if not row.getState().contains(app.d.atspi.STATE_SELECTED):
        raise WalkFailed("the found row is not selected")
    app.press(t("삭제"), within=page)
    app.press(t("확인"), within=app.window(lambda n: NAME in n and t("삭제") in n))
    wait_for_phone(state, lambda p: NAME not in [e["name"] for e in p["phonebook"]], "the entry deleted")
    return page


def speed_dial(app, state, phonebook):
    before = phone(state)["speed_dials"]
    app.press(t("단축 다이얼 편집"), within=phonebook)
    page = named_page(app, t("단축 다이얼 편집"))
    select_row(app, app.find("list", t("휴대폰 전화번호부 목록"), within=page), lambda n: n.startswith("박민준"))
    app.press(t("지정"), within=page)
    dialog = app.window(t("단축 다이얼 지정"))
    app.find("spin button", t("번지"), within=dialog).queryValue().currentValue = 7
    app.press(t("확인"), within=dialog)
    wait_for_phone(state, lambda p: p["speed_dials"] != before, "the speed dial")
    app.press(t("이전"), within=page)  # back to the menu


def alarm(app, state):
    page = open_page(app, t("알람 지정"), t("알람 지정"))
    app.press(t("추가"), within=page)
    dialog = app.window(t("알람 추가"))
    app.type_into(t("알람메모"), ALARM, within=dialog)
    app.press(t("확인"), within=dialog)
    wait_for_phone(state, lambda p: hex_of(ALARM) in p["alarms"], "the new alarm")
    app.press(t("이전"), within=page)


def option(app, state):
    """Clicking a value drops down its choices, a list named after the
    setting; the keyboard picks the next one."""
    before = phone(state)["options"]
    page = open_page(app, t("휴대폰 환경 설정"), t("휴대폰 환경 설정"))
    select_row(app, page, "   " + t("착신 진동기능") + ", OFF")
    choices = app.find("list", t("착신 진동기능"), within=page)
    app.find("list item", "ON", within=choices)
    app.key(KEY_DOWN)
    app.key(KEY_RETURN)
    app.find("list item", "   " + t("착신 진동기능") + ", ON", within=page)
    app.press(t("적용"), within=page)
    wait_for_phone(state, lambda p: p["options"] != before, "the changed option")
    app.press(t("이전"), within=page)


def editor_starts(app, page, button, program):
    """The page's editor button starts the editor beside Pelodex."""
    app.press(button, within=page)
    editor = App(app.d, program)
    pid = editor.pid_when_running()
    say(f"{button} started {program} (process {pid})")
    os.kill(pid, signal.SIGTERM)


def melody(app, state):
    page = open_page(app, t("나만의 멜로디 지정"), t("나만의 멜로디 지정"))
    app.find("list item", "walk", within=app.find("list", t("멜로디 목록"), within=page))
    app.press(t("휴대폰 %1번 멜로디로 지정", 2), within=page)
    wait_for_phone(state, lambda p: hex_of("walk") in p["melodies"][1], "the melody in slot 1")
    editor_starts(app, page, t("멜로디 편집기"), "Carrowin")
    app.press(t("이전"), within=page)


def animation(app, state):
    page = open_page(app, t("애니메이션 지정"), t("애니메이션 지정"))
    app.find("list item", "walk", within=app.find("list", t("애니메이션 목록"), within=page))
    app.press(t("%1번 애니메이션으로 지정", 1), within=page)
    wait_for_phone(state, lambda p: hex_of("walk") in p["animations"][0], "the animation in slot 0")
    editor_starts(app, page, t("애니메이션 편집기"), "Velluto")
    app.press(t("이전"), within=page)


def walk(desktop, build):
    cli = os.path.join(build, "cli", "pelodex-cli")
    state, device = start_phone(desktop, cli)
    media_files(desktop, cli)
    program = desktop.spawn([os.path.join(build, "apps", "pelodex", "Pelodex"), "--device", device],
                            path=SYSTEM_PATH)
    app = App(desktop, "Pelodex")
    log_on(app)

    new_message(app, state)
    phonebook = phonebook_entry(app, state)
    speed_dial(app, state, phonebook)
    alarm(app, state)
    option(app, state)
    melody(app, state)
    animation(app, state)

    app.press(t("종료"), within=app.window(t("시작메뉴")))
    app.press(t("확인"), within=app.window(t("프로그램을 종료하시겠습니까?")))
    program.wait(20)
    say(f"Pelodex ended with status {program.returncode}")
    if program.returncode != 0:
        raise WalkFailed("Pelodex did not end cleanly")
