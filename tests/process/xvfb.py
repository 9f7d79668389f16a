"""A private Xvfb server on a free display number, stopped for sure on exit."""

import ctypes
import os
import select
import shutil
import signal
import subprocess

PR_SET_PDEATHSIG = 1
NO_SESSION_BUS = "unix:path=/nonexistent/zandiro-test-bus"


def end_with_parent():
    """Run in a child before it starts: the kernel kills it when the process
    that started it dies, so a test killed on a timeout leaves nothing behind."""
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def stop_process(process):
    """Ends a server started for a test: asked first, killed if it lingers."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Xvfb:
    def __init__(self, width=1024, height=768, timeout=15):
        if shutil.which("Xvfb") is None:
            raise RuntimeError("Xvfb is missing: install the Debian package xvfb")
        read_end, write_end = os.pipe()
        # -displayfd lets the server pick a free display and write its number
        # once it accepts clients.
        self._process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=end_with_parent)
        os.close(write_end)
        try:
            self.number = self._read_number(read_end, timeout)
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_end)
        self.name = f":{self.number}"

    def _read_number(self, fd, timeout):
        text = b""
        while not text.endswith(b"\n"):
            ready, _, _ = select.select([fd], [], [], timeout)
            chunk = os.read(fd, 64) if ready else b""
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            text += chunk
        return int(text)

    def environment(self):
        """The environment for a client of this server, on Qt's X11 platform."""
        env = dict(os.environ, DISPLAY=self.name, QT_QPA_PLATFORM="xcb")
        env.pop("XAUTHORITY", None)
        env.pop("WAYLAND_DISPLAY", None)
        # No session bus. Without an address libdbus would start one through
        # dbus-launch (where dbus-x11 is installed), which opens a window on
        # this server that outlives the program.
        env["DBUS_SESSION_BUS_ADDRESS"] = NO_SESSION_BUS
        return env

    def stop(self):
        stop_process(self._process)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
