"""A pointer for a wlroots compositor, through its zwlr_virtual_pointer_v1
protocol, spoken on the Wayland socket directly (Debian 12 packages no
Python Wayland bindings and no such tool). A headless sway has no input
devices: until a client such as this one makes one, the seat has no pointer
and no client, waybar included, can be clicked."""
import os
import socket
import struct
import time

BUTTON_LEFT = 0x110  # BTN_LEFT in linux/input-event-codes.h
DISPLAY_ID = 1


class WaylandError(Exception):
    pass


class VirtualPointer:
    def __init__(self, runtime_dir, display, width, height):
        self.width, self.height = width, height
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(os.path.join(runtime_dir, display))
        self.socket.settimeout(10)
        self._next_id = DISPLAY_ID + 1
        self._buffer = b""
        self.globals = {}
        registry = self._new_id()
        self._send(DISPLAY_ID, 1, struct.pack("<I", registry))  # wl_display.get_registry
        self._roundtrip(registry)
        if "zwlr_virtual_pointer_manager_v1" not in self.globals:
            raise WaylandError("the compositor offers no zwlr_virtual_pointer_manager_v1")
        name, _ = self.globals["zwlr_virtual_pointer_manager_v1"]
        manager = self._new_id()
        self._send(registry, 0, struct.pack("<I", name) + _string("zwlr_virtual_pointer_manager_v1")
                   + struct.pack("<II", 1, manager))  # wl_registry.bind, version 1
        self.pointer = self._new_id()
        self._send(manager, 0, struct.pack("<II", 0, self.pointer))  # create_virtual_pointer, any seat
        self._roundtrip(registry)

    def close(self):
        self.socket.close()

    def click(self, x, y):
        """Moves to (x, y) in output pixels and clicks the left button."""
        self._send(self.pointer, 1, struct.pack("<IIIII", self._time(), x, y, self.width, self.height))
        self._send(self.pointer, 4)  # frame
        for state in (1, 0):
            self._send(self.pointer, 2, struct.pack("<III", self._time(), BUTTON_LEFT, state))
            self._send(self.pointer, 4)
        self._roundtrip()

    def move(self, x, y):
        self._send(self.pointer, 1, struct.pack("<IIIII", self._time(), x, y, self.width, self.height))
        self._send(self.pointer, 4)
        self._roundtrip()

    @staticmethod
    def _time():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    def _new_id(self):
        self._next_id += 1
        return self._next_id - 1

    def _send(self, target, opcode, arguments=b""):
        self.socket.sendall(struct.pack("<II", target, (8 + len(arguments)) << 16 | opcode) + arguments)

    def _roundtrip(self, registry=None):
        """Waits until the compositor has handled every request sent so far,
        noting the globals `registry` announces meanwhile."""
        callback = self._new_id()
        self._send(DISPLAY_ID, 0, struct.pack("<I", callback))  # wl_display.sync
        while True:
            target, opcode, body = self._receive()
            if target == callback and opcode == 0:
                return
            if target == DISPLAY_ID and opcode == 0:  # wl_display.error
                _, code, length = struct.unpack_from("<III", body)
                raise WaylandError(f"protocol error {code}: {body[12:12 + length - 1].decode()}")
            if target == registry and opcode == 0:  # wl_registry.global
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


def _string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data.ljust(_padded(len(data)), b"\0")
