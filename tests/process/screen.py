"""What the main window shows, read from its pixels.

A category label's text is black while it is open and can be clicked, blue
once it is used, and drawn greyed while the labels are disabled between turns.
"""

YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)

# Client-area rectangles (left, top, width, height) of the category labels.
CATEGORIES = {
    **{f"numbers{k}": (8, 32 * k, 88, 23) for k in range(1, 7)},
    "thrkind": (120, 32, 125, 23),
    "frkind": (120, 64, 125, 23),
    "fullh": (120, 96, 125, 23),
    "sstr": (112, 128, 141, 23),
    "lstr": (112, 160, 141, 23),
    "fvkind": (120, 192, 125, 23),
    "chance": (120, 224, 125, 23),
}
ROLL = (328, 240)
EXIT = (328, 304)
# Points of the buttons' faces away from their captions.
ROLL_FACE = (286, 230)
EXIT_FACE = (286, 294)
RESTART_FACE = (286, 262)
# Yellow background, away from every control.
BACKGROUND = (250, 300)


def centre(name):
    left, top, width, height = CATEGORIES[name]
    return left + width // 2, top + height // 2


def _text(picture, name):
    """(dark pixels, blue pixels) inside the label's border."""
    left, top, width, height = CATEGORIES[name]
    dark = blue = 0
    for y in range(top + 2, top + height - 2):
        for x in range(left + 2, left + width - 2):
            pixel = picture.pixel(x, y)
            dark += sum(pixel) < 96
            blue += pixel == BLUE
    return dark, blue


def is_open(picture, name):
    """The category can be clicked and is not used."""
    dark, blue = _text(picture, name)
    return dark >= 10 and blue == 0


def is_enabled(picture, name):
    return any(count >= 10 for count in _text(picture, name))


def roll_shown(picture):
    return picture.pixel(*ROLL_FACE) != YELLOW


def game_over_shown(picture):
    """Roll gone, Restart and Exit shown."""
    return (not roll_shown(picture) and picture.pixel(*EXIT_FACE) != YELLOW
            and picture.pixel(*RESTART_FACE) != YELLOW)
