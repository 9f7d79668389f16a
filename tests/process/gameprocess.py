"""The real game program, started as a process on a private Xvfb and driven
through real X input (xdotool's XTEST clicks and keys)."""

import os
import shutil
import subprocess
import tempfile
import time

import x11
from xvfb import Xvfb, end_with_parent

MAIN_TITLE = "Zandiro!"
MAIN_SIZE = (396, 355)
TIMEOUT = 20


class GameProcess:
    def __init__(self, program, environment=None, before_start=None):
        """before_start(environment), if given, runs once the X server is up and
        before the program starts."""
        if shutil.which("xdotool") is None:
            raise RuntimeError("xdotool is missing: install the Debian package xdotool")
        self._scratch = tempfile.TemporaryDirectory()
        try:
            self.server = Xvfb()
            self.display = x11.Display(self.server.number)
            self._env = self.server.environment()
            runtime = os.path.join(self._scratch.name, "runtime")
            os.mkdir(runtime, 0o700)
            self._env["XDG_RUNTIME_DIR"] = runtime
            self._env.update(environment or {})
            if before_start is not None:
                before_start(self._env)
            self._log = open(os.path.join(self._scratch.name, "output"), "w+")
            self.process = subprocess.Popen([program], env=self._env, stdin=subprocess.DEVNULL,
                                            stdout=self._log, stderr=subprocess.STDOUT,
                                            preexec_fn=end_with_parent)
            self.main = self.wait_for_window(MAIN_TITLE)
        except BaseException:
            self.close()
            raise

    def close(self):
        """Ends the program if it still runs, then its X server."""
        process = getattr(self, "process", None)
        if process is not None and process.poll() is None:
            process.kill()
            process.wait()
        if hasattr(self, "display"):
            self.display.close()
        if hasattr(self, "server"):
            self.server.stop()
        if hasattr(self, "_log"):
            self._log.close()
        self._scratch.cleanup()

    def output(self):
        """What the program wrote to stdout and stderr so far."""
        self._log.flush()
        self._log.seek(0)
        return self._log.read()

    def wait_until(self, condition, what, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while True:
            result = condition()
            if result:
                return result
            if self.process.poll() is not None:
                raise AssertionError(f"the program ended (status {self.process.returncode}) "
                                     f"while waiting for {what}\n{self.output()}")
            if time.monotonic() > deadline:
                raise AssertionError(f"timed out waiting for {what}")
            time.sleep(0.02)

    def shown(self):
        """The titles of the program's windows on screen, by window."""
        return dict(self.display.top_level_windows())

    def wait_for_window(self, title):
        def find():
            return next((w for w, t in self.shown().items() if t == title), None)
        return self.wait_until(find, f"a window titled {title!r}")

    def wait_for_shown(self, titles):
        """Waits until exactly these windows are on screen."""
        self.wait_until(lambda: sorted(self.shown().values()) == sorted(titles),
                        f"exactly the windows {titles} on screen")

    def wait_for_focus(self, window):
        self.wait_until(lambda: self.display.input_focus() == window, "the keyboard focus")

    def picture(self):
        return self.display.image(self.main, 0, 0, *MAIN_SIZE)

    def click(self, x, y, count=1):
        """Clicks (or double-clicks) the left button at x, y of the main window."""
        self._xdotool("mousemove", "--window", str(self.main), str(x), str(y), "click",
                      "--repeat", str(count), "--delay", "80", "1")

    def focus(self, window):
        """Gives the window the keyboard focus, as a window manager would when
        the player clicks its title bar; there is no window manager here."""
        self._xdotool("windowfocus", "--sync", str(window))
        self.wait_for_focus(window)

    def key(self, *names):
        """Presses and releases keys, one after the other, on the window with
        the keyboard focus."""
        self._xdotool("key", "--delay", "30", *names)

    def _xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self._env, check=True, timeout=TIMEOUT)

    def wait_for_exit(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program still runs after {timeout} s") from None

    def windows_left(self):
        """Every window on the X server, shown or not; the program's windows go
        with its connection."""
        return self.display.children(self.display.root)
