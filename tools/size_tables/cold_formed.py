"""Cold-formed thin-walled sections of GB 50018-2002, computed the way its
tables are: from the centre line, with every bend at inner radius 2t, and the
surface area as the sharp-cornered outline (outside, inside and the two edges)."""

import math


def bend_shortening(inner_r, t, degrees):
    """How much a bend of the given angle shortens the sharp centre line."""
    rc = inner_r + t / 2
    theta = math.radians(degrees)
    return 2 * rc * math.tan(theta / 2) - rc * theta


def area_mm2(sharp_centre_line, t, bends):
    r = 2 * t
    return t * (sharp_centre_line - sum(bend_shortening(r, t, a) for a in bends))


# Lipped equal angles: leg b, lip a, thickness t.
LIPPED_EQUAL_ANGLES = [(40, 15, 2.0), (60, 20, 2.0), (75, 20, 2.0), (75, 20, 2.5)]


def lipped_angle(b, a, t):
    centre = 2 * (b - t) + 2 * (a - t / 2)
    outline = 2 * (2 * b + 2 * a) - 4 * t
    return area_mm2(centre, t, [90, 90, 90]), outline


# Z sections with lips inclined at 50 degrees to the flanges: height h, flange b, lip a.
INCLINED_LIP_Z = [
    (h, b, 20, t)
    for h, b in [(140, 50), (160, 60), (180, 70), (200, 70), (220, 75), (250, 75)]
    for t in (2.0, 2.2, 2.5)
]


def inclined_lip_z(h, b, a, t):
    centre = (h - t) + 2 * (b - t) + 2 * a
    outline = 2 * (h + 2 * b + 2 * a) - 6 * t
    return area_mm2(centre, t, [90, 90, 50, 50]), outline


# Z sections with lips at right angles: height h, flange b, lip a, thickness t.
LIPPED_Z = [
    (100, 40, 20, 2.0), (100, 40, 20, 2.5), (120, 50, 20, 2.0), (120, 50, 20, 2.5), (120, 50, 20, 3.0),
    (140, 50, 20, 2.5), (140, 50, 20, 3.0), (160, 60, 20, 2.5), (160, 60, 20, 3.0), (160, 70, 20, 2.5),
    (160, 70, 20, 3.0), (180, 70, 20, 2.5), (180, 70, 20, 3.0),
]


def lipped_z(h, b, a, t):
    centre = (h - t) + 2 * (b - t) + 2 * (a - t / 2)
    outline = 2 * (h + 2 * b + 2 * a) - 6 * t
    return area_mm2(centre, t, [90, 90, 90, 90]), outline
