"""Hot-rolled bars of GB/T 702-2017 beyond the transcription: the sizes two
independent write-downs of the standard's lists agree on. Flats are stated
as the standard states them: each width with its run of thicknesses on the
table's thickness series."""

# Round diameters above the transcription's last (370 mm).
ROUND_ABOVE_TRANSCRIPTION = [380]

# Square sides above 105 mm.
SQUARE_ABOVE_105 = [110, 115, 120, 125, 130, 135, 140, 145, 150, 155, 160, 165, 170, 180, 190, 200,
                    210, 220, 230, 240, 250]

FLAT_THICKNESSES = [3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40, 45, 50, 56, 60]

# width, thinnest, thickest: the part of each width's run both write-downs list.
FLATS = [
    (10, 3, 8), (12, 3, 8), (14, 3, 8), (16, 3, 10), (18, 3, 10), (20, 3, 12), (22, 3, 12), (25, 3, 14),
    (28, 3, 14), (30, 3, 16), (32, 3, 16), (35, 3, 20), (40, 3, 22), (45, 3, 25), (50, 3, 25), (55, 4, 28),
    (60, 4, 30), (65, 4, 30), (70, 4, 32), (75, 4, 36), (80, 5, 36), (85, 5, 40), (90, 5, 40), (95, 5, 40),
    (100, 5, 40), (105, 5, 40), (110, 5, 40), (120, 6, 45), (125, 7, 50), (130, 7, 50), (140, 8, 56),
    (150, 8, 56), (160, 10, 60), (180, 10, 60), (200, 10, 60),
]


def flat_sizes():
    for width, thinnest, thickest in FLATS:
        for t in FLAT_THICKNESSES:
            if thinnest <= t <= thickest:
                yield width, t
