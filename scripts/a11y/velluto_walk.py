"""The Velluto walk: the editor opens an animation file of the animation
folder and shows its canvas, both lists and the preview; the point, line,
rectangle and fill tools draw at given picture pixels, undo and redo step
back and forth, an effect chosen from the list plays in the preview, and
the import dialog lays a JPEG over the picture with fit mode 0. Each step
is saved with Ctrl+S and checked in `pelodex-cli animation export`."""

import json
import os
import shutil
import subprocess
import time

from harness import App, WalkFailed, say, wait_until
from names import tr

WIDTH, HEIGHT = 96, 51
SCALE, ORIGIN = 3, (16, 32)  # the canvas shows each pixel 3 x 3 from (16, 32)
KEY_S, KEY_HOME, KEY_DOWN, KEY_RETURN, KEY_ESCAPE = 0x73, 0xFF50, 0xFF54, 0xFF0D, 0xFF1B
EFFECT, EFFECT_NAME = 2, tr("위에서 아래로 이동")
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")

POINT = (10, 10)
LINE = [(20, 5), (40, 5)]
BOX = [(50, 10), (70, 30)]
INSIDE = (60, 20)


def picture(cli, path, out):
    """The black pixels of the file's first animation."""
    subprocess.run([cli, "animation", "export", path, "--out", out], check=True, capture_output=True)
    return pbm_pixels(out)


def pbm_pixels(path):
    with open(path, "rb") as f:
        data = f.read()
    magic, width, height, bits = data.split(maxsplit=3)
    if magic != b"P4" or (int(width), int(height)) != (WIDTH, HEIGHT):
        raise WalkFailed(f"{path} is not a {WIDTH} x {HEIGHT} PBM picture")
    row = (WIDTH + 7) // 8
    return {(x, y) for y in range(HEIGHT) for x in range(WIDTH)
            if bits[y * row + x // 8] & (0x80 >> (x % 8))}


def effect_of(cli, path):
    out = subprocess.run([cli, "animation", "show", path], check=True, capture_output=True, text=True)
    return json.loads(out.stdout)["animations"][0]["effect"]


def white_bmp(path):
    """A white 96 x 51 picture, 24 bits a pixel, rows bottom up."""
    row = WIDTH * 3
    size = 54 + row * HEIGHT
    header = (b"BM" + size.to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little")
              + (40).to_bytes(4, "little") + WIDTH.to_bytes(4, "little") + HEIGHT.to_bytes(4, "little")
              + (1).to_bytes(2, "little") + (24).to_bytes(2, "little") + bytes(24))
    with open(path, "wb") as f:
        f.write(header + b"\xff" * (row * HEIGHT))


def start_files(desktop, cli):
    """A white one-animation file in the animation folder, and a JPEG."""
    folder = os.path.join(desktop.env["XDG_DATA_HOME"], "QZ Telecom", "animate")
    os.makedirs(folder, exist_ok=True)
    white = os.path.join(desktop.root, "white.bmp")
    white_bmp(white)
    path = os.path.join(folder, "walk.pca")
    subprocess.run([cli, "animation", "add-image", path, white, "--name", "걷기"], check=True,
                   capture_output=True)
    jpeg = os.path.join(folder, "walk.jpg")
    shutil.copy(os.path.join(SOURCE, "animation", "image", "testdata", "colour.jpg"), jpeg)
    return path, jpeg


def at(pixel):
    return ORIGIN[0] + SCALE * pixel[0] + 1, ORIGIN[1] + SCALE * pixel[1] + 1


def draw(app, window, canvas, tool, pixels):
    app.press(tool, within=window)
    app.drag(canvas, [at(p) for p in pixels])


def save(app, path, what):
    before = os.stat(path).st_mtime_ns
    app.key(KEY_S, ctrl=True)
    wait_until(lambda: os.stat(path).st_mtime_ns != before, f"Ctrl+S did not save ({what})")
    say(f"saved: {what}")


def expect(pixels, black, white, what):
    wrong = [p for p in black if p not in pixels] + [p for p in white if p in pixels]
    if wrong:
        raise WalkFailed(f"{what}: wrong pixels {wrong[:8]}")


def shown_parts(app, window):
    """The canvas, the preview and the two lists (a combo box is named by
    its shown item, so the lists are told apart by their items)."""
    canvas = app.find("canvas", tr("그림"), within=window, showing=False)
    preview = app.find("animation", tr("효과 미리보기"), within=window, showing=False)
    lists = app.find_all("combo box", within=window)
    if len(lists) != 2:
        raise WalkFailed(f"{len(lists)} lists instead of the animation and effect lists")
    for part in [canvas, preview] + lists:
        wait_until(lambda: app.is_showing(part), f"{part.getRoleName()} {part.name} does not show", 5)
    effects = next(l for l in lists if app.find_all("list item", within=l, name=EFFECT_NAME))
    return canvas, preview, effects


def plays(app, preview):
    """The preview's pixels change while the effect runs."""
    box = app.extents(preview)
    first = app.d.grab(box)
    wait_until(lambda: app.d.grab(box) != first, "the effect does not play in the preview", 5)


def choose(app, combo, item, attempts=3):
    """Opens a drop-down list with a click and picks `item` with the keys,
    as its popup takes no focus from the screen reader. A popup slow to
    open under load misses the keys: Esc and once more."""
    rows = [node.name for node in app.find_all("list item", within=combo)]
    _, _, w, h = app.extents(combo)
    for attempt in range(attempts):
        app.click(combo, w // 2, h // 2)
        time.sleep(0.3)
        for key in [KEY_HOME] + [KEY_DOWN] * rows.index(item) + [KEY_RETURN]:
            app.key(key)
        try:
            return wait_until(lambda: combo.name == item, f"{item} was not chosen", 3)
        except WalkFailed:
            if attempt + 1 == attempts:
                raise
            app.key(KEY_ESCAPE)


def import_jpeg(app, jpeg):
    app.press(tr("그림읽기"))
    dialog = app.find("text", tr("파일이름")).parent
    choose(app, app.find_all("combo box", within=dialog, name="*.bmp")[0], "*.jpg")
    app.find("list item", os.path.basename(jpeg), within=dialog)
    app.type_into(tr("파일이름"), os.path.basename(jpeg), within=dialog)
    app.press(tr("큰쪽에 맞춤"), within=dialog)
    app.press(tr("확인"), within=dialog)
    app.gone("text", tr("파일이름"))


def walk(desktop, build):
    cli = os.path.join(build, "cli", "pelodex-cli")
    path, jpeg = start_files(desktop, cli)
    out = os.path.join(desktop.root, "out.pbm")
    program = desktop.spawn([os.path.join(build, "apps", "velluto", "Velluto"), path])
    app = App(desktop, "Velluto")
    window = app.window(tr("애니메이션 편집기"))
    canvas, preview, effects = shown_parts(app, window)
    say("canvas, lists and preview show")

    app.press(tr("점"), within=window)
    app.click(canvas, *at(POINT))
    draw(app, window, canvas, tr("선"), LINE)
    draw(app, window, canvas, tr("네모"), BOX)
    app.press(tr("채우기"), within=window)
    app.click(canvas, *at(INSIDE))
    app.press(tr("되돌리기"), within=window)
    save(app, path, "point, line, rectangle, fill undone")
    line = [(x, LINE[0][1]) for x in range(LINE[0][0], LINE[1][0])]  # without its end point
    expect(picture(cli, path, out), [POINT, BOX[0], BOX[1]] + line, [INSIDE, LINE[1]], "drawn, fill undone")

    app.press(tr("다시 실행"), within=window)
    choose(app, effects, EFFECT_NAME)
    plays(app, preview)
    save(app, path, "fill redone, effect")
    expect(picture(cli, path, out), [INSIDE], [], "fill redone")
    if effect_of(cli, path) != EFFECT:
        raise WalkFailed(f"the file's effect is {effect_of(cli, path)}, not {EFFECT}")

    before = os.path.join(desktop.root, "before.pca")
    shutil.copy(path, before)
    import_jpeg(app, jpeg)
    save(app, path, "JPEG imported")
    wanted = os.path.join(desktop.root, "wanted.pbm")
    subprocess.run([cli, "image", "convert", jpeg, "--fit", "0", "--onto", before, "--index", "0",
                    "--out", wanted], check=True, capture_output=True)
    if picture(cli, path, out) != pbm_pixels(wanted):
        raise WalkFailed("the imported picture differs from pelodex-cli image convert --fit 0")

    app.press(tr("종료"), within=window)
    app.press(tr("확인"), within=app.window(tr("프로그램을 종료하시겠습니까?")))
    program.wait(20)
    if program.returncode != 0:
        raise WalkFailed(f"Velluto ended with status {program.returncode}")
