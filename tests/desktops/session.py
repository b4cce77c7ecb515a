# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A real desktop shell, started headless for one test module, with the real
`tabrino` program inside it.

A `Session` owns a fresh home, a 0700 runtime folder and a session bus of its
own (with service activation, as a desktop's is), and every process it
starts: each leads a process group, and `stop()` ends those groups by
process id, the shell's helpers included. The shells themselves are in
shells.py. Uses Debian's python3-dbus, python3-gi (through tests/e2e) and
python3-pil."""
import io
import os
import shutil
import subprocess
import tempfile
import time

import dbus
from PIL import Image, ImageChops

from atspi import stop_group
from desktop import wait_for

WATCHER = "org.kde.StatusNotifierWatcher"
NOBODY = 65534


class Rect:
    """A rectangle in screen pixels; `right` and `bottom` are exclusive."""

    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = int(x), int(y), int(width), int(height)

    @property
    def right(self):
        return self.x + self.width

    @property
    def bottom(self):
        return self.y + self.height

    @property
    def centre(self):
        return (self.x + self.width // 2, self.y + self.height // 2)

    def __repr__(self):
        return f"Rect({self.x}, {self.y}, {self.width}x{self.height})"


def changed_mask(before, after, threshold=40):
    """White where two equally sized images differ by more than `threshold`."""
    difference = ImageChops.difference(before.convert("RGB"), after.convert("RGB")).convert("L")
    return difference.point(lambda value: 255 if value > threshold else 0)


def changed_area(before, after):
    """The bounding box of the pixels that differ between two equally sized
    images, or None."""
    box = changed_mask(before, after).getbbox()
    return Rect(box[0], box[1], box[2] - box[0], box[3] - box[1]) if box else None


def leftmost_changed_area(before, after, gap=8):
    """The bounding box of the leftmost group of changed columns, columns
    less than `gap` apart counting as one group, or None. A tray that makes
    room for a new item moves the items right of it: they changed too."""
    mask = changed_mask(before, after)
    columns = [x for x in range(mask.width) if mask.crop((x, 0, x + 1, mask.height)).getbbox()]
    if not columns:
        return None
    end = next((a for a, b in zip(columns, columns[1:]) if b - a > gap), columns[-1]) + 1
    box = mask.crop((columns[0], 0, end, mask.height)).getbbox()
    return Rect(columns[0] + box[0], box[1], box[2] - box[0], box[3] - box[1])


class Session:
    """The processes, folders and bus of one shell; subclasses start the shell
    itself in `start_shell()` and say how to look and point."""

    name = "shell"
    width, height = 1280, 800
    # Who the session runs as; None: whoever runs the tests. A root test
    # process that names another user becomes that user for good in start(),
    # after the folders are made, so that it can reach the session's buses.
    uid = None
    # What the shell's own session sets in the environment.
    desktop_env = {}
    # The desktop's bar: its edge ("top" or "bottom") and thickness.
    bar_edge = "top"
    bar_depth = 32

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix=f"tabrino-{self.name}-")
        os.chmod(self.folder, 0o755)
        if self.uid is not None and os.getuid() != self.uid:
            os.chown(self.folder, self.uid, self.uid)
        self.binary = os.environ["TABRINO_BINARY"]
        self.runtime = self._folder("run", 0o700)
        self.logs = self._folder("logs", 0o755)
        self.processes = []
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self._folder("home", 0o700),
            "XDG_RUNTIME_DIR": self.runtime, "LANG": "C.UTF-8", "TZ": os.environ.get("TZ", "UTC"),
            **self.desktop_env,
        }
        for variable, part in (("XDG_CONFIG_HOME", ".config"), ("XDG_DATA_HOME", ".local/share"),
                               ("XDG_CACHE_HOME", ".cache")):
            self.env[variable] = self._folder(os.path.join("home", part), 0o700)

    def _folder(self, relative, mode):
        path = os.path.join(self.folder, relative)
        os.makedirs(path, exist_ok=True)
        os.chmod(path, mode)
        if self.uid is not None and os.getuid() != self.uid:
            os.chown(path, self.uid, self.uid)
        return path

    # -- processes

    def spawn(self, command, env=None, name=None, **options):
        """Starts `command` in the session's environment, as the session's
        user, leading a process group of its own; stop() ends it."""
        name = name or os.path.basename(command[0])
        log = open(os.path.join(self.logs, f"{name}.log"), "ab")
        process = subprocess.Popen(command, env={**self.env, **(env or {})}, stdin=subprocess.DEVNULL,
                                   stdout=options.pop("stdout", log), stderr=log, start_new_session=True,
                                   **options)
        log.close()
        self.processes.append(process)
        return process

    def run(self, command, env=None, timeout=20, **options):
        """Runs a short command in the session to its end; its output."""
        return subprocess.run(command, env={**self.env, **(env or {})}, capture_output=True, timeout=timeout,
                              check=True, **options).stdout

    def start(self):
        try:
            if self.uid is not None and os.getuid() != self.uid:
                os.setgroups([])
                os.setgid(self.uid)
                os.setuid(self.uid)
                # The tests' own folder may be closed to that user.
                os.chdir(self.folder)
            self.start_bus()
            self.start_shell()
        except BaseException:
            self.stop()
            raise

    def stop(self):
        """Ends every process group started, newest first, and removes the folder."""
        for process in reversed(self.processes):
            stop_group(process)
        self.processes = []
        shutil.rmtree(self.folder, ignore_errors=True)

    def start_bus(self):
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
                          f"--address=unix:path={self.runtime}/bus"], stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        bus.stdout.close()
        self.bus = dbus.bus.BusConnection(self.env["DBUS_SESSION_BUS_ADDRESS"])

    def start_shell(self):
        raise NotImplementedError

    def share_environment(self):
        """Gives the services the bus starts on demand the session's display
        and folders, as a desktop's session manager does."""
        self.run(["dbus-update-activation-environment", "--all"])

    # -- the tray host

    def registered_items(self):
        """The items the shell's StatusNotifierWatcher lists, or [] while it is not up."""
        try:
            return [str(item) for item in self.bus.call_blocking(
                WATCHER, "/StatusNotifierWatcher", dbus.PROPERTIES_IFACE, "Get", "ss",
                (WATCHER, "RegisteredStatusNotifierItems"), timeout=5)]
        except dbus.DBusException:
            return []

    def host_registered(self):
        try:
            return bool(self.bus.call_blocking(
                WATCHER, "/StatusNotifierWatcher", dbus.PROPERTIES_IFACE, "Get", "ss",
                (WATCHER, "IsStatusNotifierHostRegistered"), timeout=5))
        except dbus.DBusException:
            return False

    # -- looking

    def screenshot(self):
        """The whole screen as a PIL image."""
        raise NotImplementedError

    def bar_area(self):
        """Where the tray's bar is, a strip along the bar's edge."""
        depth = self.bar_depth
        return Rect(0, 0 if self.bar_edge == "top" else self.height - depth, self.width, depth)

    def wait_for_steady_bar(self):
        """Waits until the bar is drawn and stays the same between two looks."""
        def steady():
            first = self.bar_shot()
            second = self.bar_shot()
            return first.getextrema() != ((0, 0),) * 3 and list(first.getdata()) == list(second.getdata())
        wait_for(steady, timeout=30, what="the shell's bar to be drawn and keep still")

    def park_pointer(self):
        """Moves the pointer to the middle of the screen, where it raises no
        tooltip over the bar."""
        raise NotImplementedError

    def bar_shot(self):
        area = self.bar_area()
        return self.screenshot().crop((area.x, area.y, area.right, area.bottom))

    def panel_frame(self, program):
        """Where the program's panel is on screen, or None while it is not shown."""
        raise NotImplementedError

    def panel_focused(self, program):
        raise NotImplementedError

    def panel_in_task_bar(self, program):
        """Whether the desktop lists the panel among its windows, as a task bar does."""
        raise NotImplementedError

    def work_area(self):
        """The part of the screen the shell leaves to windows, its bars' space taken away."""
        raise NotImplementedError

    def wait_for_panel(self, program, shown=True, timeout=20):
        """The panel's frame once it is shown and has stopped moving (a window
        manager may place it after it maps), or None once it is hidden."""
        if not shown:
            return wait_for(lambda: self.panel_frame(program) is None, timeout, "the panel to close")

        def settled():
            first = self.panel_frame(program)
            time.sleep(0.25)
            second = self.panel_frame(program)
            return second if first and second and vars(first) == vars(second) else None
        return wait_for(settled, timeout, "the panel to open and settle")

    # -- input

    def click(self, x, y):
        raise NotImplementedError

    def keys(self, *names):
        """Presses keys in order, named as xdotool names them."""
        raise NotImplementedError

    def type_text(self, text):
        raise NotImplementedError

    def save(self, image, name):
        """Keeps a screenshot beside the logs, and under TABRINO_DESKTOP_SHOTS when set."""
        for folder in filter(None, [self.logs, os.environ.get("TABRINO_DESKTOP_SHOTS")]):
            os.makedirs(folder, exist_ok=True)
            image.save(os.path.join(folder, f"{self.name}-{name}.png"))


class X11Session(Session):
    """A shell on a private Xvfb display, pointed at with xdotool."""

    def start_display(self, extra=()):
        read, write = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", f"{self.width}x{self.height}x24",
                    "-nolisten", "tcp", *extra], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as answer:
            number = answer.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.env["DISPLAY"] = f":{number}"

    def xdotool(self, *arguments):
        return self.run(["xdotool", *arguments]).decode()

    def screenshot(self):
        png = self.run(["import", "-window", "root", "png:-"])
        return Image.open(io.BytesIO(png)).convert("RGB")

    def panel_window(self, program):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.process.pid),
                                "--name", "^Tabrino$"], env=self.env, capture_output=True, text=True)
        ids = found.stdout.split()
        return ids[0] if ids else None

    def panel_frame(self, program):
        window = self.panel_window(program)
        if window is None:
            return None
        values = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell", window).split())
        return Rect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"])

    def panel_focused(self, program):
        window = self.panel_window(program)
        active = subprocess.run(["xdotool", "getactivewindow"], env=self.env, capture_output=True, text=True)
        return window is not None and active.stdout.strip() == window

    def panel_in_task_bar(self, program):
        # What X11 task bars, and KWin's for Xwayland windows, go by.
        states = self.run(["xprop", "-id", self.panel_window(program), "_NET_WM_STATE"]).decode()
        return "_NET_WM_STATE_SKIP_TASKBAR" not in states

    def work_area(self):
        values = self.run(["xprop", "-root", "_NET_WORKAREA"]).decode().split("=", 1)[1].split(",")
        return Rect(*values[:4])

    def click(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1")

    def park_pointer(self):
        self.xdotool("mousemove", str(self.width // 2), str(self.height // 2))

    def keys(self, *names):
        for name in names:
            self.xdotool("key", "--clearmodifiers", name)
            time.sleep(0.15)

    def type_text(self, text):
        self.xdotool("type", "--delay", "60", text)
