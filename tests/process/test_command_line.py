"""The program's command line, and its start without a display to open a
window on: every answer is a few lines of text and an exit status, with no
window and no abort. The program path, the version and the home page come from
the environment variables ZANDIRO_PROGRAM, ZANDIRO_VERSION and ZANDIRO_HOMEPAGE."""

import os
import subprocess
import unittest

from xvfb import end_with_parent

PROGRAM = os.environ.get("ZANDIRO_PROGRAM", "")
WINDOWING = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY")


def free_display_number():
    """A display number that no X server on this machine listens on."""
    return next(n for n in range(200, 400) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))


def run(*arguments, **environment):
    env = {name: value for name, value in os.environ.items() if name not in WINDOWING}
    env.update(environment)
    return subprocess.run([PROGRAM, *arguments], env=env, capture_output=True, text=True,
                          timeout=30, stdin=subprocess.DEVNULL, preexec_fn=end_with_parent)


class CommandLine(unittest.TestCase):
    def assert_one_line_error(self, result, *words):
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertEqual(result.stdout, "")
        lines = result.stderr.splitlines()
        self.assertEqual(len(lines), 1, result.stderr)
        for word in words:
            self.assertIn(word, lines[0])

    # Help and version answer without a display, as on a terminal over ssh.
    def test_help_and_version_answer_without_a_display(self):
        version = run("--version")
        self.assertEqual((version.returncode, version.stderr), (0, ""))
        name, copyright_line, licence = version.stdout.splitlines()[:3]
        self.assertEqual(name, f"Zandiro {os.environ['ZANDIRO_VERSION']}")
        self.assertTrue(copyright_line.startswith("Copyright (C) 20") and "MIT" in licence)
        for option in ("--help", "-h"):
            answer = run(option)
            self.assertEqual((answer.returncode, answer.stderr), (0, ""), option)
            for listed in ("Usage:", "--help", "--version"):
                self.assertIn(listed, answer.stdout)
            bugs = f"Report bugs to: <{os.environ['ZANDIRO_HOMEPAGE']}/issues>\n"
            self.assertTrue(answer.stdout.endswith(bugs), answer.stdout)

    def test_a_mistake_is_one_line_with_a_hint_and_status_1(self):
        self.assert_one_line_error(run("--bogus"), "bogus", "--help")
        self.assert_one_line_error(run("game.txt"), "game.txt", "--help")
        self.assert_one_line_error(run("--help-all"), "help-all", "--help")

    def test_qt_options_are_not_mistaken_for_errors(self):
        result = run("-platform", "offscreen", "-style", "fusion", "--version")
        self.assertEqual((result.returncode, result.stderr), (0, ""))

    def test_without_a_display_one_line_and_status_1(self):
        self.assert_one_line_error(run(), "DISPLAY", "WAYLAND_DISPLAY")
        display = f":{free_display_number()}"
        self.assert_one_line_error(run(DISPLAY=display), display)
        self.assert_one_line_error(run("-platform", "xcb", "-display", display), display)


if __name__ == "__main__":
    unittest.main()
