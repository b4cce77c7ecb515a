# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The desktop shells the program is checked in, each started headless as its
own session does it on Debian 12."""
import io
import json
import os
import shutil
import subprocess
import threading
import time

import dbus
from PIL import Image

from desktop import wait_for
from session import NOBODY, Rect, Session, X11Session
from fake_input import FakeInput
from remote_desktop import RemoteDesktop
from virtual_pointer import VirtualPointer

HERE = os.path.dirname(os.path.abspath(__file__))


class Xfce(X11Session):
    """XFCE 4.18: xfwm4 and xfce4-panel with its tray along the bottom edge."""

    name = "xfce"
    desktop_env = {"XDG_CURRENT_DESKTOP": "XFCE", "XDG_SESSION_TYPE": "x11"}
    bar_edge = "bottom"
    bar_depth = 26

    def start_shell(self):
        self.start_display()
        channels = self._folder("home/.config/xfce4/xfconf/xfce-perchannel-xml", 0o700)
        shutil.copy(os.path.join(HERE, "xfce", "xfce4-panel.xml"), channels)
        self.share_environment()
        self.spawn(["xfsettingsd", "--no-daemon"])
        self.spawn(["xfwm4", "--compositor=off"])
        self.spawn(["xfce4-panel"])
        wait_for(self.host_registered, timeout=60, what="the panel's tray to register as the tray host")
        self.wait_for_steady_bar()


class Sway(Session):
    """sway 1.7 with waybar's tray along the bottom edge. sway refuses to run
    as root, so the whole session, the program included, runs as nobody; the
    binary and configuration are copied where nobody can read them."""

    name = "sway"
    desktop_env = {"XDG_CURRENT_DESKTOP": "sway", "XDG_SESSION_TYPE": "wayland", "WLR_BACKENDS": "headless",
                   "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
    bar_edge = "bottom"
    bar_depth = 34
    uid = NOBODY if os.getuid() == 0 else None

    def __init__(self):
        super().__init__()
        self.binary = os.path.join(self.folder, "tabrino")
        shutil.copy(os.environ["TABRINO_BINARY"], self.binary)
        self.config = os.path.join(self.folder, "sway")
        shutil.copytree(os.path.join(HERE, "sway"), self.config)
        os.chmod(self.binary, 0o755)
        if self.uid is not None:
            for path in (self.binary, self.config, *(os.path.join(self.config, name) for name in os.listdir(self.config))):
                os.chown(path, self.uid, self.uid)

    def start_shell(self):
        self.env["TABRINO_SWAY_DIR"] = self.config
        self.spawn(["sway", "-c", os.path.join(self.config, "config")])
        socket = wait_for(lambda: next((entry for entry in os.listdir(self.runtime)
                                        if entry.startswith("sway-ipc.")), None),
                          timeout=30, what="sway's IPC socket")
        self.env.update(SWAYSOCK=os.path.join(self.runtime, socket), WAYLAND_DISPLAY="wayland-1")
        self.pointer = VirtualPointer(self.runtime, self.env["WAYLAND_DISPLAY"], self.width, self.height)
        # A keyboard that stays for the whole session, as a person's does: the
        # short-lived ones each wtype makes would otherwise take the seat's
        # keyboard, and with it the panel's focus, away when they go.
        self.spawn(["wtype", "-s", str(24 * 3600 * 1000)], name="keyboard")
        wait_for(self.host_registered, timeout=60, what="waybar's tray to register as the tray host")
        self.wait_for_steady_bar()

    def swaymsg(self, *arguments):
        return self.run(["swaymsg", *arguments]).decode()

    def screenshot(self):
        return Image.open(io.BytesIO(self.run(["grim", "-t", "png", "-"]))).convert("RGB")

    def _window(self, program):
        def nodes(node):
            yield node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from nodes(child)
        tree = json.loads(self.swaymsg("-t", "get_tree"))
        return next((node for node in nodes(tree) if node.get("pid") == program.process.pid
                     and node.get("visible")), None)

    def panel_frame(self, program):
        window = self._window(program)
        return Rect(**{key: window["rect"][key] for key in ("x", "y", "width", "height")}) if window else None

    def panel_focused(self, program):
        window = self._window(program)
        return bool(window and window.get("focused"))

    def panel_in_task_bar(self, program):
        return False  # waybar here shows the tray alone

    def work_area(self):
        workspace = next(space for space in json.loads(self.swaymsg("-t", "get_workspaces")) if space["focused"])
        return Rect(**{key: workspace["rect"][key] for key in ("x", "y", "width", "height")})

    def stop(self):
        if getattr(self, "pointer", None):
            self.pointer.close()
        super().stop()

    def click(self, x, y):
        self.pointer.click(x, y)

    def park_pointer(self):
        self.pointer.move(self.width // 2, self.height // 2)

    def keys(self, *names):
        # One wtype for the whole sequence: its virtual keyboard going away
        # between keys would take the panel's focus with it.
        arguments = []
        for name in names:
            *modifiers, key = name.split("+")
            for modifier in modifiers:
                arguments += ["-M", modifier]
            arguments += ["-k", key]
            for modifier in modifiers:
                arguments += ["-m", modifier]
            arguments += ["-s", "150"]
        self.run(["wtype", *arguments])

    def type_text(self, text):
        self.run(["wtype", "-d", "60", text])


class GnomeX11(X11Session):
    """GNOME Shell 43 on X11 with the AppIndicator extension, whose items sit
    at the right of the top bar."""

    name = "gnome-x11"
    desktop_env = {"XDG_CURRENT_DESKTOP": "GNOME", "XDG_SESSION_DESKTOP": "gnome", "XDG_SESSION_TYPE": "x11",
                   "LIBGL_ALWAYS_SOFTWARE": "1"}
    bar_depth = 32

    def start_shell(self):
        self.start_display(["+extension", "GLX"])
        start_gnome(self, ["--x11", "--replace"])
        self.wait_for_steady_bar()

    def bar_area(self):
        # The right end only: the clock in the middle changes every minute.
        return Rect(self.width * 2 // 3, 0, self.width // 3, self.bar_depth)


class XwaylandSession(X11Session):
    """A Wayland shell in which the program runs through Xwayland, as it does
    where the shell offers no way for a window to place itself: the panel is
    an X11 window, found and its focus read there with xdotool, while pointer
    and keys go through the compositor's own way in (`open_input()`) and
    pictures come from the shell."""

    input = None

    def use_xwayland_of(self, compositor):
        self.env.update(wait_for(lambda: xwayland(compositor.pid), timeout=30, what="Xwayland to start"))

    def open_input(self):
        raise NotImplementedError

    def input_ready(self):
        if self.input is None:
            self.input = self.open_input()
        return self.input

    def stop(self):
        if self.input:
            self.input.close()
        super().stop()

    def click(self, x, y):
        self.input_ready().click(x, y)

    def park_pointer(self):
        self.input_ready().move(self.width // 2, self.height // 2)

    def keys(self, *names):
        for name in names:
            self.input_ready().key(name)
            time.sleep(0.15)

    def type_text(self, text):
        self.keys(*text)


class GnomeWayland(XwaylandSession):
    """GNOME Shell 43 on Wayland, headless, with the AppIndicator extension;
    input through Mutter's RemoteDesktop API, pictures from gnome-screenshot."""

    name = "gnome-wayland"
    desktop_env = {"XDG_CURRENT_DESKTOP": "GNOME", "XDG_SESSION_DESKTOP": "gnome", "XDG_SESSION_TYPE": "wayland",
                   "LIBGL_ALWAYS_SOFTWARE": "1", "WAYLAND_DISPLAY": "wayland-tabrino"}
    bar_depth = 32

    def start_shell(self):
        shell = start_gnome(self, ["--headless", "--wayland", "--wayland-display", self.env["WAYLAND_DISPLAY"],
                                   "--virtual-monitor", f"{self.width}x{self.height}"])
        self.use_xwayland_of(shell)
        self.wait_for_steady_bar()

    def open_input(self):
        return RemoteDesktop(self.bus, self.height)

    def bar_area(self):
        return GnomeX11.bar_area(self)

    def screenshot(self):
        path = os.path.join(self.folder, "shot.png")
        self.run(["gnome-screenshot", "-f", path])
        with Image.open(path) as image:
            return image.convert("RGB")


def xwayland(shell_pid):
    """The X display of the Xwayland that the shell with `shell_pid` started,
    with the environment that reaches it (GNOME Shell gives it an authority
    file, KWin none), or None."""
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                parent = int(stat.read().rsplit(")", 1)[1].split()[1])
            with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                arguments = cmdline.read().decode().split("\0")
        except (OSError, ValueError, IndexError):
            continue
        if parent == shell_pid and os.path.basename(arguments[0]) == "Xwayland":
            env = {"DISPLAY": next(argument for argument in arguments if argument.startswith(":"))}
            if "-auth" in arguments:
                env["XAUTHORITY"] = arguments[arguments.index("-auth") + 1]
            return env
    return None


def start_gnome(session, arguments):
    """Starts gnome-shell with the AppIndicator extension on, beside a bus
    that stands in for the system bus (which a container has not got and
    GNOME Shell will not start without)."""
    system = session.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
                            f"--address=unix:path={session.runtime}/system-bus"], stdout=subprocess.PIPE,
                           name="system-bus")
    session.env["DBUS_SYSTEM_BUS_ADDRESS"] = system.stdout.readline().decode().strip()
    system.stdout.close()
    session.share_environment()
    for key, value in (("enabled-extensions", "['ubuntu-appindicators@ubuntu.com']"),
                       ("disable-user-extensions", "false"), ("welcome-dialog-last-shown-version", "'999'")):
        session.run(["gsettings", "set", "org.gnome.shell", key, value])
    # The pointer crosses the screen to reach the tray; the top-left corner
    # would open the overview.
    session.run(["gsettings", "set", "org.gnome.desktop.interface", "enable-hot-corners", "false"])
    shell = session.spawn(["gnome-shell", *arguments])
    wait_for(session.host_registered, timeout=120, what="the AppIndicator extension to register as the tray host")

    # The session opens in the overview, once its start-up animation is
    # over, and ignores keys until it is shown.
    def overview_shown():
        try:
            return bool(session.bus.call_blocking("org.gnome.Shell", "/org/gnome/Shell", dbus.PROPERTIES_IFACE,
                                                  "Get", "ss", ("org.gnome.Shell", "OverviewActive"), timeout=5))
        except dbus.DBusException:
            return False

    def overview_left():
        if overview_shown():
            session.keys("Escape")
            return False
        return True
    wait_for(overview_shown, timeout=60, what="GNOME Shell to show the overview")
    wait_for(overview_left, timeout=60, what="GNOME Shell to leave the overview")
    return shell


class Plasma:
    """What the sessions of KDE Plasma 5.27 share: kded5 and plasmashell, whose
    default panel runs along the bottom edge with the system tray near its
    right end. Mixed into a `Session` that starts KWin first."""

    plasma_env = {"XDG_CURRENT_DESKTOP": "KDE", "KDE_FULL_SESSION": "true", "KDE_SESSION_VERSION": "5",
                  "LIBGL_ALWAYS_SOFTWARE": "1"}
    bar_edge = "bottom"
    bar_depth = 44

    def start_plasma(self, env=None):
        self.share_environment()
        self.spawn(["kded5"], env)
        self.spawn(["plasmashell"], env)
        wait_for(self.host_registered, timeout=120, what="plasmashell's system tray to register as the tray host")
        self.wait_for_steady_bar()


class PlasmaX11(Plasma, X11Session):
    """KDE Plasma 5.27 on X11, with kwin_x11."""

    name = "plasma-x11"
    desktop_env = {**Plasma.plasma_env, "DESKTOP_SESSION": "plasma", "XDG_SESSION_TYPE": "x11"}

    def start_shell(self):
        self.start_display(["+extension", "GLX"])
        self.spawn(["kwin_x11"])
        self.start_plasma()


class PlasmaWayland(Plasma, XwaylandSession):
    """KDE Plasma 5.27 on Wayland, with kwin_wayland on a virtual output and
    its Xwayland; input through KWin's fake input protocol, pictures from its
    ScreenShot2 D-Bus API."""

    name = "plasma-wayland"
    desktop_env = {**Plasma.plasma_env, "DESKTOP_SESSION": "plasmawayland", "XDG_SESSION_TYPE": "wayland",
                   "WAYLAND_DISPLAY": "wayland-tabrino"}

    def start_shell(self):
        # The file capability Debian gives kwin_wayland is not allowed in a
        # container, so a plain copy runs instead; KWin knows itself by the
        # name's ending.
        kwin = os.path.join(self._folder("kwin", 0o755), "kwin_wayland")
        shutil.copy(shutil.which("kwin_wayland"), kwin)
        compositor = self.spawn(
            [kwin, "--virtual", "--width", str(self.width), "--height", str(self.height), "--xwayland",
             "--socket", self.env["WAYLAND_DISPLAY"]],
            env={"KWIN_WAYLAND_NO_PERMISSION_CHECKS": "1", "KWIN_SCREENSHOT_NO_PERMISSION_CHECKS": "1"})
        self.use_xwayland_of(compositor)
        # Plasma's own processes are Wayland clients, as in its session;
        # the program is left to choose.
        self.start_plasma({"QT_QPA_PLATFORM": "wayland"})

    def open_input(self):
        return FakeInput(self.runtime, self.env["WAYLAND_DISPLAY"])

    def screenshot(self):
        # KWin writes the pixels into the pipe as it answers: read them meanwhile.
        read, write = os.pipe()
        pixels = []
        def receive():
            with os.fdopen(read, "rb") as pipe:
                pixels.append(pipe.read())
        reader = threading.Thread(target=receive)
        reader.start()
        try:
            shot = self.bus.call_blocking("org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
                                          "CaptureActiveScreen", "a{sv}h",
                                          ({"native-resolution": True}, dbus.types.UnixFd(write)), timeout=20)
        finally:
            os.close(write)
            reader.join()
        width, height, stride = (int(shot[key]) for key in ("width", "height", "stride"))
        # 32-bit QImage pixels, blue first in memory.
        return Image.frombuffer("RGBA", (width, height), pixels[0], "raw", "BGRA", stride, 1).convert("RGB")
