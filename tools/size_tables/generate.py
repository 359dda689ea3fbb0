#!/usr/bin/env python3
"""Writes the size tables of catalogue/data that are built from the standards'
dimension series. Run from anywhere; the output is committed beside this file.

Rows that the catalogue fixes exactly (the first and last row of a table) are
written as given, since they carry the catalogue's own spacing."""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bars_wire
import cold_formed
import gb11263
import gb706
import gbt702
import gbt17395
import gbt3091
import gbt6728
import light_series
import reference
import sources
from carried_csv import fixed, number, significant, write_table
from reference import plain

CATALOGUE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "catalogue")
DATA = os.path.join(CATALOGUE, "data")


def numbered(rows):
    return [[str(i + 1)] + row for i, row in enumerate(rows)]


def i_beam_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "高度/腹板h(mm)", "宽度/翼板b(mm)",
            "腰厚/腰板厚d(mm)", "腿厚/翼缘板t(mm)", "圆角半径r(mm)"]
    rows = []
    for name, h, b, d, t, r, area, weight, surface in gb706.I_BEAMS:
        rows.append(["1", "I" + name, weight + " ", surface + " ", area + " ",
                     number(h), number(b), number(d), number(t), number(r)])
    for name, weight in light_series.LIGHT_I_BEAMS:
        rows.append(["2", "I" + name, weight] + [""] * 7)
    table = numbered(rows)
    # Low-alloy light I-beams: only the last row of the series is carried yet.
    table.append(["82", "3", "I32Q×320", "41.37"] + [""] * 7)
    return cols, table


def channel_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "高度h(mm)", "宽度b(mm)", "腰厚d(mm)",
            "腿厚t(mm)", "圆角半径r(mm)"]
    rows = []
    for name, h, b, d, t, r, area, weight, surface in gb706.CHANNELS:
        rows.append(["4", "[" + name, weight + " ", surface + " ", area + " ",
                     number(h), number(b), number(d), number(t), number(r)])
    table = numbered(rows)
    # Low-alloy light channels (subtype 5) are not carried yet: IDs 42 to 51 stay free.
    for i, (name, weight) in enumerate(light_series.LIGHT_CHANNELS):
        table.append([str(52 + i), "6", "[" + name, weight] + [""] * 7)
    cold = [["7", "[" + "×".join(plain(src[c]) for c in ("h(mm)", "b(mm)", "t(mm)")), plain(src["每米长质量(kg/m)"]),
             plain(fixed(cold_formed.channel_outline_mm(float(src["h(mm)"]), float(src["b(mm)"])) / 1000, 2)),
             plain(src["截面面积(cm2)"])] + [""] * 5
            for src in reference.rows("gb50018", "gb50018-2002_B.1.1-3_channel.csv")]
    table += [[str(84 - len(cold) + 1 + i)] + row for i, row in enumerate(cold)]
    return cols, table


def equal_angle_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "宽度", "厚度", "圆角半径r(mm)"]
    rows = []
    for b, thicknesses, r in gb706.EQUAL_ANGLES:
        for d in thicknesses:
            a = gb706.angle_area_mm2(2 * b, d, r) / 100
            p = gb706.angle_outline_mm(2 * b, d, r) / 1000
            rows.append(["8", f"L{b}×{d}", fixed(a * 0.785, 2, True), fixed(p, 3, True), fixed(a, 3, True),
                         number(b), number(d), number(r)])
    table = numbered(rows)
    # Subtypes 9 to 12 are not carried yet; 13 and 14 end the table at ID 268.
    cold = []
    for src in reference.rows("gb50018", "gb50018-2002_B.1.1-2_angle.csv"):
        b, t = plain(src["b(mm)"]), plain(src["t(mm)"])
        cold.append(["13", f"L{b}×{t}", src["每米长质量(kg/m)"],
                     fixed(cold_formed.angle_outline_mm(float(b)) / 1000, 2), src["截面面积(cm2)"], b, t, ""])
    for src in reference.rows("gb50018", "gb50018-2002_B.1.1-7_lipped-angle.csv"):
        b, a, t = (plain(src[c]) for c in ("b(mm)", "a(mm)", "t(mm)"))
        cold.append(["14", f"L{b}×{a}×{t}", src["每米长质量(kg/m)"],
                     fixed(cold_formed.lipped_angle_outline_mm(float(b), float(a)) / 1000, 2),
                     src["截面面积(cm2)"], "", "", ""])
    first = 268 - len(cold) + 1
    table += [[str(first + i)] + row for i, row in enumerate(cold)]
    return cols, table


def unequal_angle_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "长边B(mm)", "宽边b(mm)", "长边厚D(mm)",
            "短边厚d(mm)", "圆角r(mm)", "厚度d(mm)"]
    rows = []
    for big, small, thicknesses, r in gb706.UNEQUAL_ANGLES:
        for d in thicknesses:
            a = gb706.angle_area_mm2(big + small, d, r) / 100
            p = gb706.angle_outline_mm(big + small, d, r) / 1000
            rows.append(["15", f"L{big}×{small}×{d}", fixed(a * 0.785, 2), fixed(p, 3, True), fixed(a, 3),
                         number(big), number(small), "", "", number(r), number(d)])
    table = numbered(rows)
    for big, small, web, flange, r in gb706.L_SECTIONS:
        a = gb706.l_section_area_mm2(big, small, web, flange, r) / 100
        p = gb706.l_section_outline_mm(big, small, r) / 1000
        table.append([str(len(table) + 1), "16", f"L{big}×{small}×{number(web)}×{number(flange)}",
                      significant(a * 0.785, 3), fixed(p, 3), significant(a, 3), number(big), number(small),
                      number(web), number(flange), number(r), ""])
    return cols, table


def lipped_rows(subtype, name, prefix, plain_t=True, plain_values=False):
    """Lipped channels and Z sections of GB 50018: printed area and weight
    (without trailing zeros where the subtype's fixed row shows them so),
    surface area from the outline."""
    value = plain if plain_values else (lambda text: text)
    rows = []
    for src in reference.rows("gb50018", name):
        h, b, a, t = (src[c] for c in ("h(mm)", "b(mm)", "a(mm)", "t(mm)"))
        outline = cold_formed.lipped_outline_mm(float(h), float(b), float(a), float(t))
        rows.append([subtype, prefix + "×".join([h, b, a, plain(t) if plain_t else t]),
                     value(src["每米长质量(kg/m)"]), fixed(outline / 1000, 3), value(src["截面面积(cm2)"]),
                     h, b, a, plain(t)])
    return rows


def z_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积"]
    rows = lipped_rows("19", "gb50018-2002_B.1.1-5_lipped-Z.csv", "Z")
    rows += lipped_rows("20", "gb50018-2002_B.1.1-6_sloped-lipped-Z.csv", "Z", plain_values=True)
    return cols, [[str(i + 1)] + row[:5] for i, row in enumerate(rows)]


def c_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "截面高度", "截面宽度", "卷边宽度", "厚度"]
    table = [[str(i + 1)] + row for i, row in enumerate(
        lipped_rows("17", "gb50018-2002_B.1.1-4_lipped-channel.csv", "C", plain_t=False))]
    # The catalogue fixes the first row (its area is 2.72 / 0.785, the standard prints 3.47) and the
    # last, which is not a size of this standard.
    if table[0][:5] != ["1", "17", "C80×40×15×2.0", "2.72", "0.368"]:
        raise ValueError(f"热轧C row 1 is {table[0]}")
    table[0] = ["1", "17", "C80×40×15×2.0", "2.72", "0.368", "3.465", "80", "40", "15", "2"]
    table.append(["61", "17", "C300×80×20×3", "11.221", "0.953", "14.294", "300", "80", "20", "3"])
    return cols, table


# The four printed dimensions of an H or T size, as numbers.
def dims(detail):
    return tuple(float(v) for v in detail.lstrip("*").split("×"))


def h_values_2010(H, B, t1, t2, r):
    a = gb11263.h_area_mm2(H, B, t1, t2, r) / 100
    return (significant(a * 0.785, 3), fixed(gb11263.h_outline_mm(H, B, t1, r) / 1000, 2, True),
            gb11263.area_text(a))


def h_2010_rows():
    starred = {(H, B, t1, t2): s for _, s, H, B, t1, t2, _ in gb11263.H_SECTIONS}
    group = {(H, B, t1, t2): name for name, _, H, B, t1, t2, _ in gb11263.H_SECTIONS}
    rows = []
    for src in reference.rows("gb11263", "gb11263-2010_H.csv"):
        H, B, t1, t2 = dims(src["详情"])
        r = float(src["圆角半径r(mm)"])
        star = "*" if starred.get((H, B, t1, t2)) else ""
        name = src["规格"]
        if name.startswith("HW"):
            name = group.get((H, B, t1, t2), name)
        weight, surface, area = h_values_2010(H, B, t1, t2, r)
        height = f" *{number(H)}  " if star else number(H)
        rows.append(["29", name + "  ", star + src["详情"], weight, surface, area, height, number(B), number(t1),
                     number(t2), number(r), ""])
    return rows


# Extra-heavy rows whose printed figures do not fit their own dimensions.
EXTRA_HEAVY_LEFT_OUT = {"483×421×51.2×81.5", "921×120×21.3×36.6", "960×427×31.0×55.9", "972×437×34.5×62.0",
                        "1020×304×26.0×16.0", "1048×412×34.0×50.0"}


def extra_heavy_rows():
    rows = []
    for src in reference.rows("gb11263", "gb11263-2017_extra-heavy-H.csv"):
        if src["详情"] in EXTRA_HEAVY_LEFT_OUT:
            continue
        H, B, t1, t2 = (src[c] for c in ("高度/腹板H(mm)", "宽度/翼板B(mm)", "腹板厚t1(mm)", "翼缘厚t2(mm)"))
        rows.append(["30", src["规格"].replace("x", "×"), src["详情"], src["重量(kg/m)"], src["表面积(m2/m)"],
                     src["截面积(cm2)"], H, B, t1, t2, src["圆角半径r(mm)"], ""])
    return rows


def printed_2017(name):
    return {dims(src["详情"]): src for src in reference.rows("gb11263", name)}


def take_printed(computed, printed, blank=""):
    """A printed number replaces ours only where the two differ in value."""
    return computed if float(computed) == float(printed) else printed + blank


def h_table():
    cols = ["ID", "SUBTYPEID", "规格", "详情", "重量", "表面积", "截面积", "高度/腹板(mm)", "宽度/翼板(mm)", "腹板厚t1(mm)",
            "翼缘厚t2(mm)", "圆角半径r(mm)", "类别"]
    fixed_rows = {
        1: ["1", "29", "HW100×100  ", "100×100×6×8", "16.9", "0.57 ", "21.58", "100", "100", "6", "8", "8", ""],
        6: ["6", "29", "HW200×200  ", "*200×204×12×12", "56.2", "1.17 ", "71.53", " *200  ", "204", "12", "12", "13", ""],
    }
    table = [[str(i + 1)] + row for i, row in enumerate(h_2010_rows())]
    for i, row in fixed_rows.items():
        if table[i - 1] != row:
            raise ValueError(f"热轧H row {i} computes to {table[i - 1]}")
    table += [[str(len(table) + 1 + i)] + row for i, row in enumerate(extra_heavy_rows())]
    printed = printed_2017("gb11263-2017_H.csv")
    rows = []
    for name, starred, H, B, t1, t2, r in gb11263.H_SECTIONS:
        star = "*" if starred else ""
        a = gb11263.h_area_mm2(H, B, t1, t2, r) / 100
        detail = "×".join(number(v) for v in (H, B, t1, t2))
        p = printed[(H, B, t1, t2)]
        rows.append(["79", name, star + detail,
                     take_printed(significant(a * 0.785, 3), p["重量(kg/m)"]),
                     take_printed(significant(gb11263.h_outline_mm(H, B, t1, r) / 1000, 3), p["表面积(m2/m)"]),
                     take_printed(gb11263.area_text(a) + " ", p["截面积(cm2)"], " "),
                     star + number(H), number(B), number(t1), number(t2), number(r), ""])
    first = 497 - len(rows) + 1
    table += [[str(first + i)] + row for i, row in enumerate(rows)]
    return cols, table


def t_area_text(a, style_2017):
    # Areas of 100 cm2 and more are rounded to one decimal; 2017 writes them with two.
    if a < 100:
        return gb11263.area_text(a)
    return fixed(a, 1) + ("0" if style_2017 else "")


def t_2010_rows():
    parents = {}
    for src in reference.rows("gb11263", "gb11263-2010_H.csv"):
        parents[dims(src["详情"])] = float(src["圆角半径r(mm)"])
    rows = []
    for src in reference.rows("gb11263", "gb11263-2010_T.csv"):
        h, B, t1, t2 = dims(src["详情"])
        parent_r = [r for (H, pB, pt1, pt2), r in parents.items()
                    if abs(H - 2 * h) <= 1 and (pB, pt1, pt2) == (B, t1, t2)]
        if len(parent_r) != 1:
            raise ValueError(f"no single 2010 H parent for T {src['详情']}")
        r = parent_r[0]  # where the transcription's r differs, the parent's is taken
        a = gb11263.t_area_mm2(h, B, t1, t2, r) / 100
        rows.append(["18", src["规格"], src["详情"], significant(a * 0.785, 3),
                     significant(gb11263.t_outline_mm(h, B, r) / 1000, 3), t_area_text(a, False),
                     number(h), number(B), number(t1), number(t2), number(r)])
    return rows


def t_table():
    cols = ["ID", "SUBTYPEID", "规格", "详情", "重量", "表面积", "截面积", "高度/父板(mm)H", "宽度/翼板(mm)H", "腹板厚(mm)t1",
            "翼缘厚(mm)t2", "圆角半径r(mm)"]
    table = [[str(i + 1)] + row for i, row in enumerate(t_2010_rows())]
    # The catalogue fixes the first row; its surface area is the catalogue's own.
    table[0] = ["1", "18", "TW50×100", "50×100×6×8", "8.47", "0.309", "10.79", "50", "100", "6", "8", "8"]
    printed = printed_2017("gb11263-2017_T.csv")
    rows = []
    for name, h, B, t1, t2, r in gb11263.T_SECTIONS:
        a = gb11263.t_area_mm2(h, B, t1, t2, r) / 100
        p = printed[(h, B, t1, t2)]
        rows.append(["80", name, "×".join(number(v) for v in (h, B, t1, t2)),
                     take_printed(significant(a * 0.785, 3), p["重量(kg/m)"]),
                     take_printed(significant(gb11263.t_outline_mm(h, B, r) / 1000, 3), p["表面积(m2/m)"]),
                     take_printed(t_area_text(a, True) + " ", p["截面积(cm2)"], " "),
                     number(h), number(B), number(t1), number(t2), number(r)])
    table += [[str(81 + i)] + row for i, row in enumerate(rows)]
    return cols, table


def round_tube_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "公称外径", "公称壁厚", "公称口径"]
    table = []
    # Galvanised ordinary pipe, thickened pipe, ordinary pipe: IDs from 1, 16 and 31.
    for first, subtype in ((1, "33"), (16, "34"), (31, "35")):
        for i, (dn, D, ordinary, thickened) in enumerate(gbt3091.PIPES):
            t = thickened if subtype == "34" else ordinary
            w = gbt3091.black_weight(D, t) * (gbt3091.ZINC_COEFFICIENT[t] if subtype == "33" else 1)
            table.append([str(first + i), subtype, "", fixed(w, 3, True), "", "", number(D), number(t), str(dn)])
    # Cold-formed welded round tubes of GB 50018, ending before the first row of GB/T 6728.
    thin = []
    for src in reference.rows("gb50018", "gb50018-2002_B.1.1-8_welded-round-tube.csv"):
        d, t = plain(src["d(mm)"]), plain(src["t(mm)"])
        thin.append(["40", f"D{d}×{t}", src["每米长质量(kg/m)"], fixed(math.pi * float(d) / 1000, 3),
                     src["截面面积(cm2)"], d, t, ""])
    table += [[str(3272 - len(thin) + i)] + row for i, row in enumerate(thin)]
    for i, src in enumerate(reference.rows("gbt6728", "gbt6728-2017_round_mass-only.csv")):
        D, t = float(src["外径D(mm)"]), float(src["壁厚t(mm)"])
        iso = gbt6728.ISO_DIAMETER.get(D)
        outside = number(D) + (f" ({iso})" if iso else "")
        table.append([str(3272 + i), "41", f"D{outside}×{number(t)}", src["理论重量M(kg/m)"] + " ",
                      fixed(math.pi * D / 1000, 3, True), fixed(gbt6728.round_area_mm2(D, t) / 100, 2, True),
                      outside, number(t) + " ", ""])
    # Ordinary seamless tubes close the table, from ID 3364.
    for i, (outside, wall) in enumerate(gbt17395.sizes()):
        D, t = gbt17395.main_value(outside), gbt17395.main_value(wall)
        w = gbt3091.black_weight(D, t)
        table.append([str(3364 + i), "38", f"D{outside}×{wall}", fixed(w, 3 if w < 1 else 2),
                      fixed(math.pi * D / 1000, 3), fixed(math.pi * (D - t) * t / 100, 3), outside, wall, ""])
    return cols, table


def hollow_rows(subtype, name, dims):
    """Square (one side) or rectangular (two) hollow sections of GB/T 6728."""
    rows = []
    for src in reference.rows("gbt6728", name):
        sides = [float(src[c]) for c in dims]
        t = float(src["壁厚t(mm)"])
        H, B = sides[0], sides[-1]
        rows.append([subtype, "口" + "×".join(number(v) for v in sides + [t]), src["理论重量M(kg/m)"] + " ",
                     fixed(gbt6728.rectangle_outline_mm(H, B, t) / 1000, 3, True),
                     fixed(gbt6728.rectangle_area_mm2(H, B, t) / 100, 2, True)] + [number(v) for v in sides + [t]])
    return rows


def square_tube_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "边长B/mm", "壁厚t/mm"]
    # Subtype 25 carries only the catalogue's first row; 26 is not carried yet.
    table = [["1", "25", "口12×0.8", "0.275", "0.048", "0.348", "12", "0.8"]]
    # GB 50018's printed areas are those of corners with an outer radius of 3t.
    thin = []
    for src in reference.rows("gb50018", "gb50018-2002_B.1.1-1_square-tube.csv"):
        h, t = plain(src["h(mm)"]), plain(src["t(mm)"])
        thin.append(["27", f"口{h}×{t}", src["每米长质量(kg/m)"],
                     fixed(gbt6728.rectangle_outline_mm(float(h), float(h), float(t), 3 * float(t)) / 1000, 3),
                     src["截面面积(cm2)"], h, t])
    table += [[str(236 + i)] + row for i, row in enumerate(thin)]
    hollow = hollow_rows("28", "gbt6728-2017_square_mass-only.csv", ["边长B(mm)"])
    table += [[str(258 + i)] + row for i, row in enumerate(hollow)]
    # The table closes with empty rows.
    table += [[str(i)] + [""] * 7 for i in range(489, 584)]
    return cols, table


def rectangular_tube_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "长边(mm)", "短边(mm)", "公称壁厚(mm)"]
    # Subtypes 52 and 81 carry only the catalogue's first and last rows.
    table = [["1", "52", "口10×5×0.8", "0.164", "0.03", "0.209", "10", "5", "0.8"]]
    hollow = hollow_rows("53", "gbt6728-2017_rect_mass-only.csv", ["长边H(mm)", "短边B(mm)"])
    table += [[str(174 + i)] + row for i, row in enumerate(hollow)]
    table.append(["490", "81", "口400×200×16", "137.51 ", "1.200 ", "175.2 ", "", "", ""])
    return cols, table


def round_bar_table():
    cols = ["ID", "SUBTYPEID", "直径", "重量", "表面积", "截面积"]
    table = []
    for i, src in enumerate(reference.rows("gbt702", "gbt702-2017_round.csv")):
        d = float(src["直径d(mm)"])
        area = math.pi * d * d / 4 / 100
        # The 2017 weights the transcription has are printed; above 53 mm they are computed.
        weight = src["理论重量(kg/m)"] or significant(area * 0.785, 3)
        table.append([str(i + 1), "21", src["直径d(mm)"], weight, fixed(math.pi * d / 1000, 3), fixed(area, 3)])
    for d in gbt702.ROUND_ABOVE_TRANSCRIPTION:
        area = math.pi * d * d / 4 / 100
        table.append([str(len(table) + 1), "21", number(d), significant(area * 0.785, 3), fixed(math.pi * d / 1000, 3),
                      fixed(area, 3)])
    def rounds(subtype, first, diameters, blank=False):
        for i, d in enumerate(diameters):
            area = math.pi * d * d / 4 / 100
            table.append([str(first + i), subtype, number(d), significant(area * 0.785, 3, blank),
                          fixed(math.pi * d / 1000, 3), fixed(area, 3)])
    rounds("22", 90, bars_wire.WIRE_ROD)
    rounds("23", 157, bars_wire.COLD_DRAWN_ROUND)
    rounds("24", 212, bars_wire.BRIGHT_ROUND)
    # Forged rounds end with the catalogue's fixed row, 400 mm at ID 327.
    rounds("49", 328 - len(bars_wire.FORGED_ROUND), bars_wire.FORGED_ROUND, blank=True)
    if table[-1] != ["327", "49", "400", "986 ", "1.257", "1256.637"]:
        raise ValueError(f"热轧_圆钢 row 327 is {table[-1]}")
    return cols, table


def polygon_bar_table():
    cols = ["ID", "SUBTYPEID", "边长", "重量", "表面积", "截面积", "宽度", "厚度", "对边距离"]
    table = []
    for i, src in enumerate(reference.rows("gbt702", "gbt702-2008_square.csv")):
        a = float(src["边长a(mm)"])
        table.append([str(i + 1), "62", src["边长a(mm)"], src["GB/T702-2008理论重量(kg/m)"], fixed(4 * a / 1000, 2, True),
                      plain(fixed(a * a / 100, 2)), "", "", ""])
    for a in gbt702.SQUARE_ABOVE_105:
        table.append([str(len(table) + 1), "62", number(a), significant(a * a / 100 * 0.785, 3),
                      fixed(4 * a / 1000, 2, True), plain(fixed(a * a / 100, 2)), "", "", ""])
    if table[0] != ["1", "62", "5.5", "0.237", "0.02 ", "0.3", "", "", ""]:
        raise ValueError(f"热轧_多边形钢 row 1 is {table[0]}")
    for i, a in enumerate(bars_wire.COLD_DRAWN_SQUARE):
        table.append([str(82 + i), "63", number(a), significant(a * a / 100 * 0.785, 3), fixed(4 * a / 1000, 2, True),
                      plain(fixed(a * a / 100, 2)), "", "", ""])
    # Forged squares in the style of the catalogue's forged 400 mm row ("1256 ", "1.6", "1600").
    for i, a in enumerate(bars_wire.FORGED_SQUARE):
        table.append([str(135 + i), "64", number(a), significant(a * a / 100 * 0.785, 4, True),
                      plain(fixed(4 * a / 1000, 2)), plain(fixed(a * a / 100, 2)), "", "", ""])
    for i, s in enumerate(bars_wire.COLD_DRAWN_HEXAGON):
        area = math.sqrt(3) / 2 * s * s / 100
        table.append([str(161 + i), "65", "", significant(area * 0.785, 3), fixed(2 * math.sqrt(3) * s / 1000, 3),
                      fixed(area, 3), "", "", number(s)])
    # Hexagons and octagons across flats, as GB/T 705-1989 printed them.
    for first, subtype, name, outline in ((227, "66", "gbt705-1989_hexagon.csv", 2 * math.sqrt(3)),
                                          (266, "67", "gbt705-1989_octagon.csv", 8 * (math.sqrt(2) - 1))):
        for i, src in enumerate(reference.rows("gbt702", name)):
            s = float(src["对边距离s(mm)"])
            table.append([str(first + i), subtype, "", src["理论重量(kg/m)"], fixed(outline * s / 1000, 3),
                          src["截面面积(cm2)"], "", "", src["对边距离s(mm)"]])
    for i, (b, t) in enumerate(gbt702.flat_sizes()):
        area = b * t / 100
        table.append([str(278 + i), "68", "", significant(area * 0.785, 3), fixed(2 * (b + t) / 1000, 3),
                      plain(fixed(area, 2)), number(b), number(t), ""])
    table.append(["1895", "64", "400", "1256 ", "1.6", "1600", "", "", ""])
    return cols, table


def rail_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量"]
    table = []
    for i, src in enumerate(reference.rows("rails", "rail_ordinary_handbook.csv")):
        kind = {"重轨": "重型", "轻轨": "轻型"}[src["类别"]]
        table.append([str(i + 1), "54", f"{kind}{src['轨型(kg/m)']}kg/m", src["理论重量(kg/m)"]])
    # The catalogue writes the crane rails' weights without trailing zeros ("118.1").
    crane = [["55", src["型号"], plain(src["理论重量(kg/m)"])] for src in reference.rows("rails", "ybt5055_crane-rail.csv")]
    table += [[str(14 - len(crane) + 1 + i)] + row for i, row in enumerate(crane)]
    return cols, table


def plate_table():
    cols = ["ID", "SUBTYPEID", "厚度", "钢板重量", "规格"]
    # The handbook's plate list: only its first two rows are confirmed; weight 7.85 t kg/m2.
    table = []
    for i, src in enumerate(reference.rows("plate", "plate_handbook-p6.17.csv")):
        t = src["厚度(mm)"]
        if fixed(7.85 * float(t), 3) != src["理论重量(kg/m2)"]:
            raise ValueError(f"plate {t}: {src['理论重量(kg/m2)']} is not 7.85 t")
        table.append([str(i + 1), "42", t + " ", src["理论重量(kg/m2)"] + " ", ""])
    table += [[str(i), "", "", "", ""] for i in range(254, 501)]
    return cols, table


def wire_table():
    """Wire areas in mm2 to four decimals; the weight weighs that rounded area
    (the catalogue's 0.05 mm: 0.0020 mm2, 0.016 kg/km), in kg/km for 56-59 and
    kg/m for 61."""
    cols = ["ID", "SUBTYPEID", "直径", "边长", "重量", "截面积", "轧痕深度"]
    table = []
    shapes = (("56", 1, bars_wire.WIRE_ROUND, math.pi / 4), ("57", 54, bars_wire.WIRE_SQUARE, 1.0),
              ("58", 81, bars_wire.WIRE_HEXAGON, math.sqrt(3) / 2), ("59", 98, bars_wire.PC_WIRE_PLAIN, math.pi / 4))
    for subtype, first, sizes, factor in shapes:
        for i, d in enumerate(sizes):
            area = float(fixed(factor * d * d, 4))
            table.append([str(first + i), subtype, number(d) + " ", "", fixed(area * 7.85, 3, True),
                          fixed(area, 4, True), ""])
    for i, (d, depth) in enumerate(bars_wire.PC_WIRE_INDENTED):
        area = float(fixed(math.pi / 4 * d * d, 4))
        table.append([str(112 + i), "61", number(d) + " ", "", fixed(area * 7.85 / 1000, 3, True), fixed(area, 4, True),
                      number(depth)])
    if table[0] != ["1", "56", "0.05 ", "", "0.016 ", "0.0020 ", ""]:
        raise ValueError(f"热轧_钢丝 row 1 is {table[0]}")
    table.append(["114", "", "", "", "", "", ""])
    return cols, table


def bolt_table():
    cols = ["ID", "SUBTYPEID", "规格", "公称长度", "螺栓重量"]
    return cols, [["1", "77", "M16", "45", "221.3"], ["182", "78", "M24", "150", "987"]]


def sandwich_panel_table():
    cols = ["ID", "SUBTYPEID", "板型", "板厚", "板重", "材质"]
    return cols, [["1", "50", "JYJB41-500-1000", "50", "12.5", ""], ["81", "50", "JXB44-333-1000", "80", "", ""]]


def profiled_sheet_table():
    cols = ["ID", "SUBTYPEID", "板型", "有效宽度", "展开宽度", "板厚", "压型钢板板重"]
    return cols, [["1", "51", "YX100-600", "600", "900", "0.75", "5.299"],
                  ["40", "51", "YX35-190-760", "760(950)", "1000(1200)", "0.5", "3.925(4.71)"]]


def other_tube_table():
    cols = ["ID", "SUBTYPEID", "外径", "公称壁厚", "重量", "截面积", "表面积", "长边外径", "短边外径", "长轴外径", "短轴外径",
            "型号", "对边距离"]
    table = [["1", "72", "", "1", "0.24", "0.305", "0.00577 ", "", "", "", "", "", "10"]]
    table += [[str(i)] + [""] * 12 for i in range(319, 590)]
    return cols, table


TABLES = {
    "热轧_工字钢": i_beam_table,
    "热轧_槽钢": channel_table,
    "热轧_角钢": equal_angle_table,
    "热轧_不等边": unequal_angle_table,
    "热轧Z": z_table,
    "热轧H": h_table,
    "热轧T": t_table,
    "热轧C": c_table,
    "热轧_圆管": round_tube_table,
    "热轧方": square_tube_table,
    "热轧_矩形管": rectangular_tube_table,
    "热轧_圆钢": round_bar_table,
    "热轧_多边形钢": polygon_bar_table,
    "热轧_钢轨": rail_table,
    "热轧_钢板": plate_table,
    "热轧_钢丝": wire_table,
    "热轧_螺栓": bolt_table,
    "热轧_夹芯板": sandwich_panel_table,
    "热轧_压型钢板": profiled_sheet_table,
    "热轧_其他钢管": other_tube_table,
}


def catalogue_subtypes():
    """(id, name, size-table name) of every subtype with a family, from the carried small tables."""
    import csv
    def read(name):
        with open(os.path.join(DATA, name + ".csv"), encoding="utf-8", newline="") as f:
            return list(csv.DictReader(f))
    tables = {r["ID"]: r["NORMTABLE"] for r in read("SECTIONTABLE")}
    return [(int(r["ID"]), r["NAME"], tables[r["SECTIONID"]]) for r in read("SUBTYPES") if r["SECTIONID"]]


def main():
    carried = {}
    for name, build in TABLES.items():
        cols, rows = build()
        write_table(os.path.join(DATA, name + ".csv"), cols, rows)
        for row in rows:
            if row[1]:
                carried[int(row[1])] = carried.get(int(row[1]), 0) + 1
        print(f"{name}: {len(rows)} rows")
    subtypes = sources.complete(catalogue_subtypes())
    sources.write_sources_md(os.path.join(DATA, "SOURCES.md"), subtypes, carried, TABLES.keys())
    sources.write_provenance_table(os.path.join(CATALOGUE, "provenance_table.inc"), subtypes, carried)


if __name__ == "__main__":
    main()
