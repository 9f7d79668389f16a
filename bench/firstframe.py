"""Starts a program under Xvfb and waits for the first complete frame of its window.

Nothing polls: the X server reports the new window as it is mapped and every
later drawing on it (the DAMAGE extension), and the window's pixels are read
only after a drawing, at a few small probe rectangles. So the measuring adds no
load while the program starts.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "process"))

import x11  # noqa: E402
import xvfb  # noqa: E402


class Probe:
    """A rectangle of the window and what its pixels must show."""

    def __init__(self, left, top, width, height, test):
        self.rect = (left, top, width, height)
        self.test = test

    def holds(self, display, window):
        return self.test(display.image(window, *self.rect))


def colour_at(x, y, colour):
    return Probe(x, y, 1, 1, lambda image: image.pixel(0, 0) == colour)


def text_in(left, top, width, height, least=10):
    """Dark text drawn in the rectangle: at least `least` nearly black pixels."""
    return Probe(left, top, width, height, lambda image: image.count_dark() >= least)


class FirstFrame:
    """Launches programs on one X server and times them to their first frame."""

    def __init__(self, server):
        self.server = server
        self.display = x11.Display(server.number)
        self.display.watch_new_windows()

    def _discard_events(self):
        while self.display.next_event(0) is not None:
            pass

    def launch(self, argv, title, size, probes, timeout=30):
        """Starts argv and returns (process, window, seconds to the first frame
        whose probes all hold)."""
        self._discard_events()
        started = time.monotonic()
        process = subprocess.Popen(argv, env=self.server.environment(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   preexec_fn=xvfb.end_with_parent)
        try:
            window, damage = self._await_window(process, title, size, started + timeout)
            self._await_frame(process, window, damage, probes, started + timeout)
        except BaseException:
            process.kill()
            process.wait()
            raise
        return process, window, time.monotonic() - started

    def _next_event(self, process, deadline):
        event = self.display.next_event(deadline - time.monotonic())
        if event is None:
            code = process.poll()
            raise RuntimeError(f"no window in time (exit status {code})")
        return event

    def _await_window(self, process, title, size, deadline):
        while True:
            code, window = self._next_event(process, deadline)
            if code != x11.MAP_NOTIFY:
                continue
            if self.display.title(window) == title and self.display.geometry(window)[2:] == size:
                return window, self.display.watch_damage(window)

    def _await_frame(self, process, window, damage, probes, deadline):
        # Whatever was drawn before the damage watch began is checked once here.
        while not all(probe.holds(self.display, window) for probe in probes):
            code, drawable = self._next_event(process, deadline)
            while code != damage or drawable != window:
                code, drawable = self._next_event(process, deadline)
            self._discard_events()

    def close(self):
        self.display.close()


def resident_kib(pid):
    """(VmRSS, VmHWM) of the process in KiB."""
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            name, _, value = line.partition(":")
            fields[name] = value.split()[0] if value.split() else ""
    return int(fields["VmRSS"]), int(fields["VmHWM"])


# The benchmarks end the programs they start as the tests end their servers.
stop = xvfb.stop_process
