"""Welded pipes for low-pressure liquids, GB/T 3091-2015: the table of nominal
bore, outside diameter and the ordinary and thickened walls, and the weight
coefficient of galvanised pipe for each wall. Written down twice,
independently; these are the rows both write-downs gave alike."""

# DN, outside diameter, ordinary wall, thickened wall (mm)
PIPES = [
    (6, 10.2, 2.0, 2.5), (8, 13.5, 2.5, 2.8), (10, 17.2, 2.5, 2.8), (15, 21.3, 2.8, 3.5), (20, 26.9, 2.8, 3.5),
    (25, 33.7, 3.2, 4.0), (32, 42.4, 3.5, 4.0), (40, 48.3, 3.5, 4.5), (50, 60.3, 3.8, 4.5), (65, 76.1, 4.0, 4.5),
    (80, 88.9, 4.0, 5.0), (100, 114.3, 4.0, 5.0), (125, 139.7, 4.0, 5.5), (150, 168.3, 4.5, 6.0),
]

# wall (mm): galvanised weight = c x black weight
ZINC_COEFFICIENT = {2.0: 1.064, 2.5: 1.051, 2.8: 1.045, 3.2: 1.040, 3.5: 1.036, 3.8: 1.034, 4.0: 1.032, 4.5: 1.028,
                    5.0: 1.025, 6.0: 1.021, 7.0: 1.018}


def black_weight(D, t):
    return 0.0246615 * (D - t) * t
