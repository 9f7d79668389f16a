"""Orca's settings for the screen-reader test: the debug log is written line
by line, so that the test can wait for each line, and speech goes nowhere."""
import orca.debug
import orca.settings
from orca import speechserver

orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.speechServerFactory = "orca-customizations"  # this module
orca.settings.enableKeyEcho = False


class SpeechServer(speechserver.SpeechServer):
    @staticmethod
    def getSpeechServer(info=None):
        return SpeechServer()

    def getInfo(self):
        return ["silent", "silent"]
