"""The Carrowin walk: the editor opens a melody file of the melody folder;
three piano keys, the tool keys 4, Ctrl+3 and "." enter notes and a rest; a
drag over the score selects everything, Ctrl+C, End and Ctrl+V copy it;
play starts and stop ends it; Ctrl+S saves. `pelodex-cli melody show` must
give the entered codes. Then a new melody is added, renamed and deleted
through the buttons, each step saved and checked in the file."""

import json
import os
import subprocess

from harness import App, WalkFailed, say, wait_until
from names import tr

# Keys of the piano in the main window (left, top of a white key's lower
# half), and the codes they enter: octave << 4 | semitone.
PIANO_ORIGIN = (74, 169)
C3, D3, E3 = (143, 210, 0x30), (163, 210, 0x32), (183, 210, 0x34)
REST = 0xB0
QUARTER, EIGHTH, DOTTED_EIGHTH = 1000, 500, 750
KEY_3, KEY_4, KEY_DOT, KEY_END = 0x33, 0x34, 0x2E, 0xFF57
KEY_C, KEY_S, KEY_V = 0x63, 0x73, 0x76

PLAY, STOP = tr("멜로디를 연주합니다."), tr("멜로디 연주를 중지합니다.")
NEW, RENAME, DELETE = (tr("새 멜로디를 입력합니다."), tr("현재 멜로디의 이름을 바꿉니다."),
                       tr("현재 멜로디를 삭제합니다."))


def melody_show(cli, path):
    out = subprocess.run([cli, "melody", "show", path], check=True, capture_output=True, text=True)
    return json.loads(out.stdout)


def start_file(desktop, cli):
    """A one-note melody file in the melody folder, so that saving asks
    nothing."""
    folder = os.path.join(desktop.env["XDG_DATA_HOME"], "QZ Telecom", "melody")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "walk.pcm")
    subprocess.run([cli, "melody", "import-rtttl", "walk:d=4,o=5,b=120:g", "--out", path],
                   check=True, capture_output=True)
    return path


def piano(app, window, key):
    x, y, _ = key
    app.click(app.find("canvas", tr("피아노 건반"), within=window), x - PIANO_ORIGIN[0], y - PIANO_ORIGIN[1])


def saved(app, cli, path, check, what):
    before = os.stat(path).st_mtime_ns
    app.key(KEY_S, ctrl=True)
    wait_until(lambda: os.stat(path).st_mtime_ns != before, f"Ctrl+S did not save ({what})")
    doc = melody_show(cli, path)
    if not check(doc):
        raise WalkFailed(f"the file after {what}: {json.dumps(doc, ensure_ascii=False)}")
    say(f"saved: {what}")
    return doc


def enter_notes(app, window):
    piano(app, window, C3)
    app.key(KEY_4)  # the eighth-note tool
    piano(app, window, D3)
    app.key(KEY_3, ctrl=True)  # a quarter rest
    app.key(KEY_DOT)  # dotted from now on
    piano(app, window, E3)
    return [[QUARTER, C3[2]], [EIGHTH, D3[2]], [QUARTER, REST], [DOTTED_EIGHTH, E3[2]]]


def copy_all(app, window):
    """Drags across the whole score, copies, goes to the end and pastes."""
    score = app.find("filler", tr("악보"), within=window)
    _, _, width, height = app.extents(score)
    app.drag(score, [(2, height // 3), (width // 2, height // 3), (width - 2, height // 3)])
    app.key(KEY_C, ctrl=True)
    app.key(KEY_END)
    app.key(KEY_V, ctrl=True)


def play_and_stop(app, window):
    app.press(PLAY, within=window)
    stop = app.find("push button", STOP, within=window)
    wait_until(lambda: stop.getState().contains(app.d.atspi.STATE_SENSITIVE), "play did not start")
    app.press(STOP, within=window)
    wait_until(lambda: not stop.getState().contains(app.d.atspi.STATE_SENSITIVE), "stop did not end play")
    say("played and stopped")


def name_melody(app, button, name):
    app.press(button)
    app.type_into(tr("멜로디이름"), name)
    app.press(tr("확인"))
    app.gone("text", tr("멜로디이름"))


def melody_names(doc):
    return sorted(m["name"] for m in doc["melodies"])


def walk(desktop, build):
    cli = os.path.join(build, "cli", "pelodex-cli")
    path = start_file(desktop, cli)
    first = melody_show(cli, path)["melodies"][0]
    program = desktop.spawn([os.path.join(build, "apps", "carrowin", "Carrowin"), path])
    app = App(desktop, "Carrowin")
    window = app.window(tr("멜로디 편집기"))
    app.focus(window)
    say(f"Carrowin open on {os.path.basename(path)}: {first['entries']}")

    entered = first["entries"] + enter_notes(app, window)
    copy_all(app, window)
    play_and_stop(app, window)
    saved(app, cli, path, lambda d: d["melodies"][0]["entries"] == entered * 2, "notes, rest and copy")

    name_melody(app, NEW, "걷기둘")
    saved(app, cli, path, lambda d: melody_names(d) == sorted([first["name"], "걷기둘"]), "new melody")
    name_melody(app, RENAME, "걷기셋")
    saved(app, cli, path, lambda d: melody_names(d) == sorted([first["name"], "걷기셋"]), "rename")
    app.press(DELETE)
    app.press(tr("확인"), within=app.window(tr("멜로디를 삭제하시겠습니까?")))
    saved(app, cli, path, lambda d: melody_names(d) == [first["name"]], "delete")

    app.press(tr("멜로디 편집기 프로그램을 종료합니다."))
    app.press(tr("확인"), within=app.window(tr("프로그램을 종료하시겠습니까?")))
    program.wait(20)
    if program.returncode != 0:
        raise WalkFailed(f"Carrowin ended with status {program.returncode}")
