"""Orca for the screen-reader test: no speech server (Orca logs what it would
say all the same) and a debug log written line by line, to wait on."""
import orca.debug
import orca.settings

orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.speechServerFactory = None
