"""The real program on a German desktop (its locale from LOCPATH), in German
and in the languages LANGUAGE chooses there, as AT-SPI reads it; the catalogues
come from ZANDIRO_LOCALE_DIR."""

import gettext
import os
import re
import unittest
from types import SimpleNamespace

import screen
from gameprocess import MAIN_SIZE, GameProcess
from test_keys_and_reader import ReaderSession
from test_ways_out import PlayByClicks

LANGUAGES = open(os.path.join(os.path.dirname(__file__), "../../po/LINGUAS")).read().split()
# Each language's form for the counts 0, 1, 2, 3, 5, 11, 21, 22, 101, 111; n != 1 elsewhere.
FORMS = {"ar": "0123344454", "cs": "2011222222", "pl": "2011222122", "ru": "2011220102",
         "uk": "2011220102", "fr": "0011111111", "pt_BR": "0011111111", "ja": "0" * 10,
         "ko": "0" * 10, "zh_CN": "0" * 10, "zh_TW": "0" * 10}

# The languages written right to left, whose windows are mirrored.
RIGHT_TO_LEFT = {"ar", "fa", "he", "ur", "yi"}


def shown(node):
    """(role, name) of every object under node."""
    return {(node.get_role_name(), node.get_name())}.union(
        *(shown(node.get_child_at_index(i)) for i in range(node.get_child_count())))


class Language(ReaderSession, PlayByClicks, unittest.TestCase):
    def play(self, language, chosen, ok):
        catalogue = gettext.translation("zandiro", os.environ["ZANDIRO_LOCALE_DIR"], [language])
        _ = catalogue.gettext
        self.game, app = self.start_reader(
            {"LC_ALL": "", "LANG": "de_DE.UTF-8", "LANGUAGE": chosen}, _("Roll"))[1:]
        die = _("Die %1: %2").replace("%1", "1").replace("%2", _("blank"))
        self.assertLessEqual({("label", _("Upper Scores")), ("push button", _("Aces: 0")),
                              ("check box", die)}, shown(app))
        self.play_to_verdict()
        verdicts = [re.escape(text).replace("%1", r"\d+") for text in catalogue._catalog.values()
                    if "%1" in text]
        after = shown(app)
        self.assertIn(("push button", ok), after)
        self.assertTrue(any(re.fullmatch(v, name) for _, name in after for v in verdicts), after)

    def test_german_desktop(self):
        self.play("de", "", "OK")

    def test_french_by_language(self):
        self.play("fr", "fr", "OK")

    def test_spanish_by_language(self):
        self.play("es", "es", "Aceptar")

    def test_every_language(self):
        """Its plural forms, a roll and the code window, mirrored right to left."""
        for language in LANGUAGES:
            texts = gettext.translation("zandiro", os.environ["ZANDIRO_LOCALE_DIR"], [language])
            forms = "".join(str(texts.plural(n)) for n in (0, 1, 2, 3, 5, 11, 21, 22, 101, 111))
            self.assertEqual(forms, FORMS.get(language, "1011111111"), language)
            self.game = GameProcess(os.environ["ZANDIRO_PROGRAM"],
                                    {"LC_ALL": "", "LANG": "de_DE.UTF-8", "LANGUAGE": language})
            right_to_left = language.split("_")[0] in RIGHT_TO_LEFT
            self.assertEqual(texts.pgettext("text direction", "LTR"),
                             "RTL" if right_to_left else "LTR", language)
            if right_to_left:
                click, picture, right = self.game.click, self.game.picture, MAIN_SIZE[0] - 1
                self.game.click = lambda x, y, count=1: click(right - x, y, count)
                self.game.picture = lambda: SimpleNamespace(
                    pixel=lambda x, y, shot=picture(): shot.pixel(right - x, y))
            self.roll()
            self.game.click(*screen.BACKGROUND, count=2)
            self.game.wait_for_window(texts.ngettext("%1 steps are done.", "", 0).replace("%1", "0"))
            self.game.close()
