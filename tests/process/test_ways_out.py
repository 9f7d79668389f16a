"""Every way out of the game, on the real program under Xvfb with real input.

The close box is what a window manager sends when the player clicks it: the
WM_DELETE_WINDOW message (there is no window manager here). The program path
comes from the environment variable ZANDIRO_PROGRAM.
"""

import os
import unittest

import screen
from gameprocess import GameProcess

CODE_WINDOW_TITLE = "0 steps are done."
VERDICT_TITLE = "Zandiro"
# Zandiro first: five of a kind keeps it open, and it is then clicked again.
ORDER = ["fvkind", *(f"numbers{k}" for k in range(1, 7)), "thrkind", "frkind", "fullh", "sstr",
         "lstr", "chance"]
MOST_TURNS = 40


class PlayByClicks:
    def setUp(self):
        self.game = GameProcess(os.environ["ZANDIRO_PROGRAM"])
        self.addCleanup(self.game.close)

    def roll(self):
        self.game.click(*screen.ROLL)
        return self.game.wait_until(self.picture_with_categories_enabled,
                                    "the categories to open after a roll")

    def picture_with_categories_enabled(self):
        picture = self.game.picture()
        return picture if screen.is_enabled(picture, "chance") else None

    def end_of_turn_or_verdict(self):
        if VERDICT_TITLE in self.game.shown().values():
            return "verdict"
        return "turn" if not screen.is_enabled(self.game.picture(), "chance") else None

    def play_to_verdict(self):
        """Rolls and scores the first open category until the verdict shows."""
        for _ in range(MOST_TURNS):
            picture = self.roll()
            target = next(name for name in ORDER if screen.is_open(picture, name))
            self.game.click(*screen.centre(target))
            if self.game.wait_until(self.end_of_turn_or_verdict, "the end of the turn") \
                    == "verdict":
                break
        else:
            self.fail(f"no verdict after {MOST_TURNS} turns")
        return self.game.wait_for_window(VERDICT_TITLE)

    def play_to_game_over(self):
        verdict = self.play_to_verdict()
        self.game.wait_for_focus(verdict)
        self.game.key("Return")
        self.game.wait_for_shown(["Zandiro!"])
        self.assertTrue(screen.game_over_shown(self.game.picture()))

    def open_and_leave_code_window(self):
        """Double-clicks the background, then leaves the code window with Q:
        the code window stays loaded, hidden."""
        self.game.click(*screen.BACKGROUND, count=2)
        self.game.wait_for_shown([CODE_WINDOW_TITLE])
        code_window = self.game.wait_for_window(CODE_WINDOW_TITLE)
        self.game.wait_for_focus(code_window)
        self.game.key("q")
        self.game.wait_for_shown(["Zandiro!"])
        return code_window

    def assert_ended_cleanly(self):
        status = self.game.wait_for_exit()
        self.assertEqual(status, 0, self.game.output())
        self.assertEqual(self.game.windows_left(), [])


class WaysOut(PlayByClicks, unittest.TestCase):
    def test_close_box_during_a_game(self):
        self.roll()
        self.game.click(294, 38)  # holds die 1
        self.game.display.close_box(self.game.main)
        self.assert_ended_cleanly()

    def test_exit_at_game_over(self):
        self.play_to_game_over()
        self.game.click(*screen.EXIT)
        self.assert_ended_cleanly()

    def test_close_box_with_the_code_window_hidden(self):
        self.roll()
        self.open_and_leave_code_window()
        self.game.display.close_box(self.game.main)
        self.assert_ended_cleanly()

    def test_exit_with_the_code_window_hidden(self):
        self.open_and_leave_code_window()
        self.play_to_game_over()
        self.game.click(*screen.EXIT)
        self.assert_ended_cleanly()

    def test_code_window_close_box_brings_the_main_window_back(self):
        self.game.click(*screen.BACKGROUND, count=2)
        code_window = self.game.wait_for_window(CODE_WINDOW_TITLE)
        self.game.display.close_box(code_window)
        self.game.wait_for_shown(["Zandiro!"])
        self.assertIsNone(self.game.process.poll())
        self.roll()  # the game goes on in the main window
        self.assertIsNone(self.game.process.poll())
        self.game.display.close_box(self.game.main)
        self.assert_ended_cleanly()


if __name__ == "__main__":
    unittest.main()
