"""A private headless weston, the Wayland compositor, with its own runtime
folder and socket, stopped for sure on exit."""

import os
import shutil
import subprocess
import tempfile
import time

from xvfb import NO_SESSION_BUS, end_with_parent, stop_process

SOCKET = "wayland-zandiro-test"


class Weston:
    def __init__(self, timeout=15):
        if shutil.which("weston") is None:
            raise RuntimeError("weston is missing: install the Debian package weston")
        self._scratch = tempfile.TemporaryDirectory()
        self.runtime = os.path.join(self._scratch.name, "runtime")
        os.mkdir(self.runtime, 0o700)
        self._log = open(os.path.join(self._scratch.name, "weston.log"), "w+")
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["XDG_RUNTIME_DIR"] = self.runtime
        self._process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", f"--socket={SOCKET}", "--idle-time=0",
             "--no-config"],
            env=env, stdout=self._log, stderr=subprocess.STDOUT, preexec_fn=end_with_parent)
        deadline = time.monotonic() + timeout
        while not os.path.exists(os.path.join(self.runtime, SOCKET)):
            if self._process.poll() is not None or time.monotonic() > deadline:
                self.stop()
                raise RuntimeError("weston did not start")
            time.sleep(0.02)

    def environment(self):
        """The environment for a client of this compositor, on Qt's Wayland
        platform and with no X11 display to fall back on."""
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "XAUTHORITY")}
        env.update(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=SOCKET, QT_QPA_PLATFORM="wayland",
                   DBUS_SESSION_BUS_ADDRESS=NO_SESSION_BUS)
        return env

    def stop(self):
        stop_process(self._process)
        self._log.close()
        self._scratch.cleanup()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
