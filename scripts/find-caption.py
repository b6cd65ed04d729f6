#!/usr/bin/python3
"""Starts a program and waits until its accessibility tree shows the given texts.

    find-caption.py <program> <screenshot.png or -> <window title prefix> <text>...

Run inside an X server (xvfb-run) and a D-Bus session (dbus-run-session). Each text must be the
name of some object of the program's window (tab, button, menu ...). Exits 0 when all are found
within the time limit, 1 otherwise; the program is ended either way.
"""
import os
import subprocess
import sys
import time

import pyatspi

LIMIT_SECONDS = 60


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def find_window(prefix):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and (window.name or "").startswith(prefix):
                return window
    return None


def main():
    program, screenshot, title, *texts = sys.argv[1:]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    process = subprocess.Popen([program], env=env)
    try:
        deadline = time.monotonic() + LIMIT_SECONDS
        missing = set(texts)
        while time.monotonic() < deadline:
            if process.poll() is not None:
                print(f"the program ended early with status {process.returncode}")
                return 1
            window = find_window(title)
            if window is not None:
                names = {(node.name or "") for node in walk(window)}
                missing = set(texts) - names
                if not missing:
                    print(f"window \"{window.name}\" shows: " + ", ".join(f'"{t}"' for t in texts))
                    if screenshot != "-":
                        subprocess.run(["import", "-window", "root", screenshot], check=False)
                    return 0
            time.sleep(0.5)
        print("not found on screen: " + ", ".join(sorted(missing)))
        return 1
    finally:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()


if __name__ == "__main__":
    sys.exit(main())
