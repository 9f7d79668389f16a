"""A private accessibility bus and Orca on it, as the screen-reader tests of
the desktop program and of the page use them. Orca runs with no speech
server: what it would say is read from its debug log."""

import os
import re
import shutil
import subprocess
import tempfile
import time

from xvfb import end_with_parent, stop_process

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
CUSTOMIZATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "orca-customizations.py")


class PrivateSessionBus:
    """A D-Bus session bus of the test's own with the accessibility bus
    launcher on it; both end with the test."""

    def __init__(self):
        self._daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, preexec_fn=end_with_parent)
        self.address = self._daemon.stdout.readline().decode().strip()
        # The launcher's socket goes in its runtime folder: a folder of its
        # own, so that tests run side by side get buses of their own.
        self._runtime = tempfile.TemporaryDirectory()
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.address,
                   XDG_RUNTIME_DIR=self._runtime.name)
        self._launcher = subprocess.Popen([BUS_LAUNCHER], env=env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL, preexec_fn=end_with_parent)

    def close(self):
        for process in (self._launcher, self._daemon):
            if process.poll() is None:
                process.terminate()
                process.wait(5)
        self._daemon.stdout.close()
        self._runtime.cleanup()


class Orca:
    """Orca on the display and session bus of `env`, its settings and log in
    a folder of its own; started once it has said "Screen reader on."."""

    def __init__(self, env, timeout=60):
        self._folder = tempfile.TemporaryDirectory()
        shutil.copy(CUSTOMIZATIONS, self._folder.name)
        self.log = os.path.join(self._folder.name, "debug.log")
        deadline = time.monotonic() + timeout
        output = os.path.join(self._folder.name, "output")
        while True:
            with open(output, "w") as sink:
                self._process = subprocess.Popen(
                    ["orca", "-u", self._folder.name, "--debug-file", self.log],
                    env=dict(env, HOME=self._folder.name), stdout=sink, stderr=subprocess.STDOUT,
                    preexec_fn=end_with_parent)
            while self._process.poll() is None and "Screen reader on." not in self.spoken():
                if time.monotonic() > deadline:
                    self.close()
                    raise AssertionError("Orca did not start")
                time.sleep(0.1)
            if self._process.poll() is None:
                return
            # Orca refuses to start beside another Orca of the same user,
            # even on another display: the other one's test ends first.
            with open(output, errors="replace") as sink:
                said = sink.read()
            if "already running" not in said or time.monotonic() > deadline:
                self.close()
                raise AssertionError(f"Orca ended: {said}")
            time.sleep(1)

    def spoken(self):
        """What Orca said so far, line by line, without the echo of keys."""
        if not os.path.exists(self.log):
            return []
        with open(self.log, errors="replace") as lines:
            return re.findall(r"SPEECH OUTPUT: '(.*)'\{", lines.read())

    def close(self):
        stop_process(self._process)
        self._folder.cleanup()
