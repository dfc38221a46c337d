"""The Pelodex walk: log on with the keypad, open the phonebook, add an
entry through the entry dialog, find it, delete it and leave, every control
found by its role and Korean name; the simulated phone's state file must
show the entry after the add and not after the delete."""

import json
import os
import subprocess
import time

from harness import App, WalkFailed, say

NAME = "접근성시험"
NUMBER = "010-1234-5678"


def phone_names(state_file):
    with open(state_file, encoding="utf-8") as f:
        return [e["name"] for e in json.load(f)["phonebook"]]


def wait_for_state(state_file, present, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if (NAME in phone_names(state_file)) == present:
            return
        time.sleep(0.1)
    raise WalkFailed(f"the phone's state file {'lacks' if present else 'still has'} {NAME}")


def start_phone(desktop, cli):
    """A simulated phone with three entries, so that the read is short."""
    state = os.path.join(desktop.root, "phone.json")
    seed = desktop.spawn([cli, "simulate", "--state", state], stdout=subprocess.PIPE)
    seed.stdout.readline()  # the sample state is written before the device is printed
    seed.terminate()
    seed.wait()
    with open(state, encoding="utf-8") as f:
        data = json.load(f)
    data["phonebook"] = data["phonebook"][:3]
    with open(state, "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False)
    phone = desktop.spawn([cli, "simulate", "--state", state], stdout=subprocess.PIPE)
    device = phone.stdout.readline().decode().strip()
    if not device.startswith("/dev/"):
        raise WalkFailed("the simulated phone did not start")
    say(f"simulated phone on {device} with {len(data['phonebook'])} entries")
    return state, device


def walk(desktop, build):
    state, device = start_phone(desktop, os.path.join(build, "cli", "pelodex-cli"))
    program = desktop.spawn([os.path.join(build, "apps", "pelodex", "Pelodex"), "--device", device])
    app = App(desktop, "Pelodex")

    logon = app.window("비밀번호 입력")
    say("log-on page: pressing 0 0 0 0 on the keypad")
    for _ in range(4):
        app.press("0", within=logon)
    app.find("label", "비밀번호 4자리 입력됨", within=logon)
    app.press("확인", within=logon)

    menu = app.window("시작메뉴")
    say("main menu: 다이어리 전화번호부")
    app.press("다이어리 전화번호부", within=menu)

    page = app.window("다이어리 전화번호부", timeout=60)
    rows = app.find("list", "전화번호 목록", within=page)
    app.find("list item", lambda n: n != "", within=rows)
    say(f"phonebook page: {rows.childCount} rows; 새 전화번호 입력")
    app.press("새 전화번호 입력", within=page)

    entry = app.window("전화번호 입력")
    app.type_into("이름", NAME, within=entry)
    app.type_into("휴대폰", NUMBER, within=entry)
    say(f"entry dialog: {NAME}, {NUMBER}; 확인")
    app.press("확인", within=entry)
    app.gone("dialog", "전화번호 입력")
    wait_for_state(state, True)
    say("the phone holds the new entry")

    app.press("찾기", within=page)
    find = app.window("찾기")
    app.type_into("이름", NAME, within=find)
    app.press("확인", within=find)
    row = app.find("list item", lambda n: NAME in n, within=rows)
    if not row.getState().contains(desktop.atspi.STATE_SELECTED):
        raise WalkFailed("the found row is not selected")
    say(f"found and selected: {row.name}")

    app.press("삭제", within=page)
    question = app.window(lambda n: NAME in n and "삭제" in n)
    say(f"message box: {question.name}; 확인")
    app.press("확인", within=question)
    wait_for_state(state, False)
    app.gone("list item", lambda n: NAME in n)
    say("deleted on the phone and from the list")

    app.press("종료", within=page)
    bye = app.window("프로그램을 종료하시겠습니까?")
    app.press("확인", within=bye)
    program.wait(20)
    say(f"Pelodex ended with status {program.returncode}")
    if program.returncode != 0:
        raise WalkFailed("Pelodex did not end cleanly")

