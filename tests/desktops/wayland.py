# SPDX-FileCopyrightText: 2026 The Tabrino developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Wayland wire protocol, spoken on a compositor's socket directly:
Debian 12 packages no Python Wayland bindings and no tool for the input
protocols the tests drive. Enough of it to bind a global and send requests
to it."""
import os
import socket
import struct

DISPLAY_ID = 1


class WaylandError(Exception):
    pass


class WaylandConnection:
    def __init__(self, runtime_dir, display):
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(os.path.join(runtime_dir, display))
        self.socket.settimeout(10)
        self._next_id = DISPLAY_ID + 1
        self._buffer = b""
        self.globals = {}
        self.registry = self.new_id()
        self.send(DISPLAY_ID, 1, struct.pack("<I", self.registry))  # wl_display.get_registry
        self.roundtrip()

    def close(self):
        self.socket.close()

    def bind(self, interface, version):
        """A new object for the compositor's global `interface`, at `version`
        or the compositor's own, if older."""
        if interface not in self.globals:
            raise WaylandError(f"the compositor offers no {interface}")
        name, offered = self.globals[interface]
        bound = self.new_id()
        self.send(self.registry, 0, struct.pack("<I", name) + string(interface)
                  + struct.pack("<II", min(version, offered), bound))  # wl_registry.bind
        return bound

    def new_id(self):
        self._next_id += 1
        return self._next_id - 1

    def send(self, target, opcode, arguments=b""):
        self.socket.sendall(struct.pack("<II", target, (8 + len(arguments)) << 16 | opcode) + arguments)

    def roundtrip(self):
        """Waits until the compositor has handled every request sent so far,
        noting the globals the registry announces meanwhile."""
        callback = self.new_id()
        self.send(DISPLAY_ID, 0, struct.pack("<I", callback))  # wl_display.sync
        while True:
            target, opcode, body = self._receive()
            if target == callback and opcode == 0:
                return
            if target == DISPLAY_ID and opcode == 0:  # wl_display.error
                _, code, length = struct.unpack_from("<III", body)
                raise WaylandError(f"protocol error {code}: {body[12:12 + length - 1].decode()}")
            if target == self.registry and opcode == 0:  # wl_registry.global
                name, length = struct.unpack_from("<II", body)
                interface = body[8:8 + length - 1].decode()
                version = struct.unpack_from("<I", body, 8 + _padded(length))[0]
                self.globals[interface] = (name, version)

    def _receive(self):
        while True:
            if len(self._buffer) >= 8:
                target, header = struct.unpack_from("<II", self._buffer)
                size = header >> 16
                if len(self._buffer) >= size:
                    body, self._buffer = self._buffer[8:size], self._buffer[size:]
                    return target, header & 0xFFFF, body
            chunk = self.socket.recv(4096)
            if not chunk:
                raise WaylandError("the compositor closed the connection")
            self._buffer += chunk


def _padded(length):
    return (length + 3) & ~3


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data.ljust(_padded(len(data)), b"\0")


def fixed(value):
    """A wl_fixed_t: a signed 24.8 fixed-point number."""
    return struct.pack("<i", round(value * 256))
