"""The real program under Xvfb played by keys alone, one turn played through
the accessibility bus (AT-SPI) alone, as a screen reader reaches it, and one
turn by keys under Orca, read from Orca's debug log.

The program path comes from the environment variable ZANDIRO_PROGRAM.
"""

import os
import re
import shutil
import sys
import unittest

import screen
from gameprocess import GameProcess
from screenreader import BUS_LAUNCHER, Orca, PrivateSessionBus

VERDICT_TITLE = "Zandiro"
SKIP = 77


def skip(reason):
    """Ends the test run with ctest's skip status: this machine cannot run it."""
    print(f"SKIPPED: {reason}", file=sys.stderr, flush=True)
    os._exit(SKIP)


class Keys(unittest.TestCase):
    def test_a_whole_game_by_keys(self):
        game = GameProcess(os.environ["ZANDIRO_PROGRAM"])
        self.addCleanup(game.close)
        game.focus(game.main)
        for turn in range(1, 14):
            game.key("Return")  # Roll holds the focus
            game.wait_until(lambda: screen.is_enabled(game.picture(), "chance"), "a roll")
            game.key("3")
            game.key("r")
            # Past the five dice to the turn's category, in Tab order.
            game.key(*["Tab"] * (5 + turn), "space")
            if turn < 13:
                game.wait_until(lambda: not screen.is_enabled(game.picture(), "chance"),
                                "the end of the turn")
        verdict = game.wait_for_window(VERDICT_TITLE)
        game.wait_for_focus(verdict)
        game.key("Return")
        game.wait_for_shown(["Zandiro!"])
        self.assertTrue(screen.game_over_shown(game.picture()))
        game.focus(game.main)
        game.key("ctrl+q")
        self.assertEqual(game.wait_for_exit(), 0, game.output())


def find(node, role, name_start):
    """The first object of the role whose name starts so, depth first."""
    if node is None:
        return None
    if node.get_role_name() == role and node.get_name().startswith(name_start):
        return node
    for i in range(node.get_child_count()):
        found = find(node.get_child_at_index(i), role, name_start)
        if found is not None:
            return found
    return None


def do_action(node, name):
    actions = node.get_action_iface()
    names = [actions.get_action_name(i) for i in range(actions.get_n_actions())]
    if name not in names:
        raise AssertionError(f"{node.get_name()!r} offers {names}, not {name!r}")
    actions.do_action(names.index(name))


class ReaderSession:
    def start_reader(self, environment={}, roll="Roll"):
        """The program on a private accessibility bus, read through AT-SPI."""
        for need in ("dbus-daemon", BUS_LAUNCHER):
            if shutil.which(need) is None and not os.path.exists(need):
                skip(f"{need} is missing: install dbus-daemon and at-spi2-core")
        try:
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import Atspi
        except (ImportError, ValueError):
            skip("python3-gi with gir1.2-atspi-2.0 is missing")
        bus = PrivateSessionBus()
        self.addCleanup(bus.close)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        game = GameProcess(os.environ["ZANDIRO_PROGRAM"], {
            "DBUS_SESSION_BUS_ADDRESS": bus.address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            **environment})
        self.addCleanup(game.close)
        Atspi.init()

        def application():
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and find(app, "push button", roll) is not None:
                    return app
            return None
        app = game.wait_until(application, "the game on the accessibility bus")
        return Atspi, game, app


class Reader(ReaderSession, unittest.TestCase):
    def test_one_turn_through_the_accessibility_bus(self):
        Atspi, game, app = self.start_reader()
        roll = find(app, "push button", "Roll")
        self.assertEqual(roll.get_description(), "")
        self.assertEqual(find(app, "check box", "Die 1:").get_name(), "Die 1: blank")
        do_action(roll, "Press")
        game.wait_until(lambda: roll.get_description().startswith("Rolled "), "a roll")
        faces = roll.get_description()[len("Rolled "):].split(", ")[:5]
        die = find(app, "check box", "Die 2:")
        self.assertEqual(die.get_name(), f"Die 2: {faces[1]}")
        self.assertFalse(die.get_state_set().contains(Atspi.StateType.CHECKED))
        do_action(die, "Toggle")
        game.wait_until(lambda: die.get_state_set().contains(Atspi.StateType.CHECKED),
                        "die 2 held")
        chance = find(app, "push button", "Chance:")
        self.assertEqual(chance.get_description(), "")
        do_action(chance, "Press")
        game.wait_until(lambda: chance.get_description() == "used", "Chance used")
        total = sum(int(face) for face in faces)
        self.assertEqual(chance.get_name(), f"Chance:  {total}")
        self.assertFalse(die.get_state_set().contains(Atspi.StateType.CHECKED))
        self.assertEqual(roll.get_description(), "")
        self.assertIsNone(game.process.poll())


class ScreenReader(unittest.TestCase):
    def test_orca_says_the_roll_the_hold_and_the_score_once(self):
        bus = PrivateSessionBus()
        self.addCleanup(bus.close)
        readers = []

        def start_orca(env):
            readers.append(Orca(env))
            self.addCleanup(readers[0].close)

        def spoken():
            return readers[0].spoken()

        game = GameProcess(os.environ["ZANDIRO_PROGRAM"],
                           {"DBUS_SESSION_BUS_ADDRESS": bus.address}, start_orca)
        self.addCleanup(game.close)

        def press(keys, last):
            """Presses the keys and waits until Orca's last line matches `last`."""
            game.key(*keys)
            return game.wait_until(lambda: re.fullmatch(last, spoken()[-1]), last)

        game.focus(game.main)
        game.wait_until(lambda: spoken()[-1] == "Roll push button.", "Roll read")
        faces = press(["space"], r"Rolled (\d), (\d), (\d), (\d), (\d), 2 rolls left").groups()
        press(["3"], f"Die 3: {faces[2]}, held")
        press(["Tab"] * 6, "Aces: 0 push button.")  # past the five dice
        press(["Return"], "Roll push button.")
        lines = spoken()
        self.assertEqual(lines[-2], f"Aces: {faces.count('1')}, total {faces.count('1')}")
        said = [line for line in lines if re.match(r"Rolled|Die 3: \d, held|Aces: \d,", line)]
        self.assertEqual(len(said), 3, lines)

        # Moves made with the mouse are heard once each, as moves by keys are.
        game.click(*screen.ROLL)
        game.wait_until(lambda: re.fullmatch(r"Rolled .*, 2 rolls left", spoken()[-1]), "a click's roll")
        game.click(*screen.centre("numbers2"))
        game.wait_until(lambda: re.fullmatch(r"Twos: \d+, total \d+", spoken()[-1]), "a click's score")
        lines = spoken()
        self.assertEqual([line.startswith("Rolled") for line in lines].count(True), 2, lines)
        self.assertEqual([line.startswith("Twos: ") for line in lines].count(True), 1, lines)


if __name__ == "__main__":
    unittest.main()
