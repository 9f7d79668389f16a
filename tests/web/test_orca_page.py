"""The built site under Orca on a private Xvfb and bus, in the browser named
by ZANDIRO_ENGINE (chromium, the default, or firefox), played by keys alone:
R, a digit, Tab, an arrow and Enter reach the game without the player
switching Orca to focus mode by hand, and Orca says what the game announces
after a roll, a hold and a score once each.

Orca starts after the page has given the game the focus, as for a player who
comes back to the page: Orca then meets the focused place with no page load
that would put it in focus mode by chance.

The site's folder comes from the environment variable ZANDIRO_SITE.
"""

import functools
import http.server
import json
import os
import re
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "process"))
import gi  # noqa: E402
from screenreader import Orca, PrivateSessionBus  # noqa: E402
from test_keys_and_reader import find  # noqa: E402
from xvfb import Xvfb, end_with_parent, stop_process  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TIMEOUT = 30
ENGINE = os.environ.get("ZANDIRO_ENGINE", "chromium")
CHROMIUM_FLAGS = [
    "--no-sandbox", "--force-renderer-accessibility", "--disable-gpu", "--disable-quic",
    "--no-first-run", "--disable-background-networking", "--disable-component-update",
    "--disable-sync", "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1"]
# Firefox's accessibility never switched off, no first-run pages, and every
# address but 127.0.0.1 sent to a closed port.
FIREFOX_PREFERENCES = {
    "accessibility.force_disabled": -1, "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore", "browser.aboutwelcome.enabled": False,
    "datareporting.policy.dataSubmissionEnabled": False, "network.proxy.type": 1,
    "network.proxy.share_proxy_settings": True, "network.proxy.http": "127.0.0.1",
    "network.proxy.http_port": 9}
# Orca in Firefox says each focus move only when the keys come slower.
KEY_DELAY_MS = {"chromium": 30, "firefox": 500}[ENGINE]


def browser_command(home, url):
    """The browser showing the page alone, with a profile in `home`."""
    if ENGINE == "chromium":
        return ["chromium", *CHROMIUM_FLAGS, f"--user-data-dir={home}/profile", f"--app={url}"]
    profile = os.path.join(home, "profile")
    os.mkdir(profile)
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        prefs.writelines(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n"
                         for k, v in FIREFOX_PREFERENCES.items())
    return ["firefox-esr", "--no-remote", "--profile", profile, "--kiosk", url]


def wait_until(condition, what):
    deadline = time.monotonic() + TIMEOUT
    while not (result := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.1)
    return result


class ScreenReaderInBrowser(unittest.TestCase):
    def test_orca_says_the_roll_the_hold_and_the_score_once(self):
        handler = functools.partial(http.server.SimpleHTTPRequestHandler,
                                    directory=os.environ["ZANDIRO_SITE"])
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        bus = PrivateSessionBus()
        self.addCleanup(bus.close)
        display = Xvfb()
        self.addCleanup(display.stop)
        home = tempfile.TemporaryDirectory(ignore_cleanup_errors=True)
        self.addCleanup(home.cleanup)
        env = dict(display.environment(), DBUS_SESSION_BUS_ADDRESS=bus.address, HOME=home.name,
                   GNOME_ACCESSIBILITY="1")
        browser = subprocess.Popen(
            browser_command(home.name, f"http://127.0.0.1:{server.server_port}/"),
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=end_with_parent)
        self.addCleanup(stop_process, browser)

        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        Atspi.init()

        def roll_focused():
            desktop = Atspi.get_desktop(0)
            apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
            roll = next(filter(None, (find(app, "push button", "Roll") for app in apps)), None)
            return roll is not None and roll.get_state_set().contains(Atspi.StateType.FOCUSED)
        wait_until(roll_focused, "the game's Roll button focused")

        orca = Orca(env)
        self.addCleanup(orca.close)

        def press(keys, said):
            """Presses the keys, then waits until Orca says a line matching `said`;
            fails at once where Orca took a key for its own browse-mode moves."""
            before = len(orca.spoken())
            subprocess.run(["xdotool", "key", "--delay", str(KEY_DELAY_MS), *keys], env=env, check=True)

            def answer():
                lines = orca.spoken()[before:]
                if any(line.startswith("No more") for line in lines):
                    raise AssertionError(f"Orca kept {keys} for itself: {lines}")
                return next(filter(None, (re.fullmatch(said, line) for line in lines)), None)
            found = wait_until(answer, f"{said!r} after {keys}")
            # A key drops what Orca still has to say from a live region: the
            # next key waits until Orca has said everything, twice or not.
            heard = 0
            while heard != len(orca.spoken()):
                heard = len(orca.spoken())
                time.sleep(0.5)
            return found

        wait_until(lambda: "Roll push button." in orca.spoken(), "Orca at the focused Roll")
        faces = press(["r"], r"Rolled (\d), (\d), (\d), (\d), (\d), 2 rolls left").groups()
        press(["3"], f"Die 3: {faces[2]}, held")
        press(["Tab"] * 6, "Aces: 0 push button.")  # past the five dice
        press(["Down"], "Twos: 0 push button.")
        twos = 2 * faces.count("2")
        press(["Return"], f"Twos: {twos}, total {twos}")
        lines = orca.spoken()
        said = [line for line in lines if re.match(r"Rolled|Die \d: \d, held|Twos: \d+, total", line)]
        self.assertEqual(len(said), 3, lines)
        self.assertFalse([line for line in lines if line.startswith("No more")], lines)


if __name__ == "__main__":
    unittest.main()
