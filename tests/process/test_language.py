"""The real program on a German desktop (its locale from LOCPATH), in German
and in the languages LANGUAGE chooses there, as AT-SPI reads it; the catalogues
come from ZANDIRO_LOCALE_DIR."""

import gettext
import os
import re
import unittest

from test_keys_and_reader import ReaderSession
from test_ways_out import PlayByClicks


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
