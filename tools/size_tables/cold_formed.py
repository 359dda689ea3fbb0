"""Cold-formed thin-walled sections of GB 50018-2002: their tables print
area and weight (read from the transcription); the surface area is not
printed and is taken from the outline."""

import math


# Surface areas as the sharp-cornered outline, the way the catalogue's fixed
# rows give them ([160x60x3.5 0.56, L75x20x2.5 0.38, Z100x40x20x2 0.428,
# C80x40x15x2.0 0.368).
def channel_outline_mm(h, b):
    return 2 * h + 4 * b


def angle_outline_mm(b):
    return 4 * b


def lipped_angle_outline_mm(b, a):
    return 4 * b + 4 * a


def lipped_outline_mm(h, b, a, t):
    return 2 * h + 4 * b + 4 * a - 6 * t
