"""A small X11 protocol client on the standard library alone.

It does what the process tests and benchmarks need from the X server and no
command-line tool offers without a window manager: it sends a window the
WM_DELETE_WINDOW message that a window manager sends when the player clicks
the window's close box, reads window pixels, lists top-level windows, and
reports damage (drawing) to a window as events, so that nothing has to poll.
"""

import select
import socket
import struct

# Event codes and masks of the core protocol.
MAP_NOTIFY = 19
CLIENT_MESSAGE = 33
SUBSTRUCTURE_NOTIFY_MASK = 0x80000
CW_EVENT_MASK = 0x800
VIEWABLE = 2
ANY_PROPERTY_TYPE = 0
Z_PIXMAP = 2


class XError(Exception):
    pass


def _padded(data):
    return data + b"\0" * (-len(data) % 4)


class Display:
    """One connection to a local X server by its display number."""

    def __init__(self, number):
        self._sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._sock.connect(f"/tmp/.X11-unix/X{number}")
        self._buffer = b""
        self._sequence = 0
        self._events = []
        self._next_id = 0
        self._atoms = {}
        self._setup()

    def close(self):
        self._sock.close()

    def _setup(self):
        # Little-endian, protocol 11.0, no authorization: the tests start
        # their own server, which accepts local clients.
        self._sock.sendall(struct.pack("<BxHHHHxx", 0x6C, 11, 0, 0, 0))
        status, reason_length, _, _, length = struct.unpack("<BBHHH", self._read(8))
        data = self._read(length * 4)
        if status != 1:
            raise XError("X server refused the connection: " + data[:reason_length].decode())
        (self._id_base, self._id_mask) = struct.unpack_from("<II", data, 4)
        vendor_length, _, screens, formats = struct.unpack_from("<HHBB", data, 16)
        offset = 32 + len(_padded(b"\0" * vendor_length))
        self._bits_per_pixel = {}
        for _ in range(formats):
            depth, bpp = struct.unpack_from("<BB", data, offset)
            self._bits_per_pixel[depth] = bpp
            offset += 8
        self.root = struct.unpack_from("<I", data, offset)[0]

    def _read(self, count):
        while len(self._buffer) < count:
            chunk = self._sock.recv(65536)
            if not chunk:
                raise XError("X server closed the connection")
            self._buffer += chunk
        data, self._buffer = self._buffer[:count], self._buffer[count:]
        return data

    def _read_packet(self):
        packet = self._read(32)
        if packet[0] == 1:
            packet += self._read(struct.unpack_from("<I", packet, 4)[0] * 4)
        return packet

    def _send(self, request):
        self._sock.sendall(request)
        self._sequence = (self._sequence + 1) & 0xFFFF
        return self._sequence

    def _reply(self, request):
        sequence = self._send(request)
        while True:
            packet = self._read_packet()
            if packet[0] == 0:
                code, failed_sequence = struct.unpack_from("<BH", packet, 1)
                raise XError(f"X error {code} for request {failed_sequence} (opcode {packet[10]})")
            if packet[0] == 1 and struct.unpack_from("<H", packet, 2)[0] == sequence:
                return packet
            if packet[0] != 1:
                self._events.append(packet)

    def sync(self):
        """Waits until the server has handled every request sent so far."""
        self.input_focus()

    def input_focus(self):
        """The window that has the keyboard focus."""
        reply = self._reply(struct.pack("<BxH", 43, 1))  # GetInputFocus
        return struct.unpack_from("<I", reply, 8)[0]

    def new_id(self):
        self._next_id += 1
        return self._id_base | (self._next_id & self._id_mask)

    def atom(self, name):
        if name not in self._atoms:
            encoded = name.encode()
            request = struct.pack("<BBHHxx", 16, 0, 2 + len(_padded(encoded)) // 4, len(encoded))
            reply = self._reply(request + _padded(encoded))  # InternAtom
            self._atoms[name] = struct.unpack_from("<I", reply, 8)[0]
        return self._atoms[name]

    def children(self, window):
        reply = self._reply(struct.pack("<BxHI", 15, 2, window))  # QueryTree
        count = struct.unpack_from("<H", reply, 16)[0]
        return list(struct.unpack_from(f"<{count}I", reply, 32))

    def title(self, window):
        """The window's _NET_WM_NAME, or its WM_NAME, as text."""
        for name in ("_NET_WM_NAME", "WM_NAME"):
            request = struct.pack("<BBHIIIII", 20, 0, 6, window, self.atom(name),
                                  ANY_PROPERTY_TYPE, 0, 1024)
            reply = self._reply(request)  # GetProperty
            value_format, length = reply[1], struct.unpack_from("<I", reply, 16)[0]
            if value_format == 8 and length > 0:
                return reply[32:32 + length].decode("utf-8", "replace")
        return ""

    def is_viewable(self, window):
        reply = self._reply(struct.pack("<BxHI", 3, 2, window))  # GetWindowAttributes
        return reply[26] == VIEWABLE

    def geometry(self, window):
        """(x, y, width, height) of the window within its parent."""
        reply = self._reply(struct.pack("<BxHI", 14, 2, window))  # GetGeometry
        return struct.unpack_from("<hhHH", reply, 12)

    def top_level_windows(self):
        """(window, title) of every mapped child of the root window."""
        shown = []
        for window in self.children(self.root):
            try:
                if self.is_viewable(window):
                    shown.append((window, self.title(window)))
            except XError:
                pass  # The window went away while we looked.
        return shown

    def image(self, window, left, top, width, height):
        """The pixels of a rectangle of the window."""
        request = struct.pack("<BBHIhhHHI", 73, Z_PIXMAP, 5, window, left, top, width, height,
                              0xFFFFFFFF)
        reply = self._reply(request)  # GetImage
        bytes_per_pixel = self._bits_per_pixel[reply[1]] // 8
        return Image(reply[32:], width, height, bytes_per_pixel)

    def close_box(self, window):
        """Asks the window to close, as a window manager does for its close box."""
        data = struct.pack("<5I", self.atom("WM_DELETE_WINDOW"), 0, 0, 0, 0)
        event = struct.pack("<BBHII", CLIENT_MESSAGE, 32, 0, window,
                            self.atom("WM_PROTOCOLS")) + data
        # SendEvent with an empty mask goes to the client that made the window.
        self._send(struct.pack("<BBHII", 25, 0, 11, window, 0) + event)
        self.sync()

    def watch_new_windows(self):
        """Reports windows mapped on the root from now on as MapNotify events."""
        request = struct.pack("<BxHIII", 2, 4, self.root, CW_EVENT_MASK,
                              SUBSTRUCTURE_NOTIFY_MASK)
        self._send(request)  # ChangeWindowAttributes
        self.sync()

    def extension(self, name):
        """(major opcode, first event code) of a server extension."""
        encoded = name.encode()
        request = struct.pack("<BxHHxx", 98, 2 + len(_padded(encoded)) // 4, len(encoded))
        reply = self._reply(request + _padded(encoded))  # QueryExtension
        if not reply[8]:
            raise XError(f"the X server has no {name} extension")
        return reply[9], reply[10]

    def watch_damage(self, window):
        """Reports every drawing on the window as an event; returns its code."""
        major, first_event = self.extension("DAMAGE")
        self._reply(struct.pack("<BBHII", major, 0, 3, 1, 1))  # DamageQueryVersion
        raw_rectangles = 0
        request = struct.pack("<BBHIIBxxx", major, 1, 4, self.new_id(), window, raw_rectangles)
        self._send(request)  # DamageCreate
        self.sync()
        return first_event

    def next_event(self, timeout):
        """The next event as (code, window field), or None after timeout seconds."""
        if not self._events:
            ready, _, _ = select.select([self._sock], [], [], max(timeout, 0))
            if not ready and len(self._buffer) < 32:
                return None
            packet = self._read_packet()
            if packet[0] == 0:
                raise XError(f"X error {packet[1]}")
            self._events.append(packet)
        packet = self._events.pop(0)
        code = packet[0] & 0x7F
        field = struct.unpack_from("<I", packet, 8 if code == MAP_NOTIFY else 4)[0]
        return code, field


class Image:
    """Pixels from GetImage: 24-bit colour in 32-bit little-endian words."""

    def __init__(self, data, width, height, bytes_per_pixel):
        self._data = data
        self.width = width
        self.height = height
        self._bpp = bytes_per_pixel

    def pixel(self, x, y):
        """(r, g, b) at x, y from the rectangle's top left corner."""
        offset = (y * self.width + x) * self._bpp
        blue, green, red = self._data[offset:offset + 3]
        return red, green, blue

    def count_dark(self):
        """How many pixels are nearly black, as the cores of dark text are."""
        return sum(1 for y in range(self.height) for x in range(self.width)
                   if sum(self.pixel(x, y)) < 96)
