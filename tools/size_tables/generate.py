#!/usr/bin/env python3
"""Writes the size tables of catalogue/data that are built from the standards'
dimension series. Run from anywhere; the output is committed beside this file.

Rows that the catalogue fixes exactly (the first and last row of a table) are
written as given, since they carry the catalogue's own spacing."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import cold_formed
import gb11263
import gb706
import light_series
from carried_csv import fixed, number, significant, write_table

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "catalogue", "data")


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
    # Cold-formed plain channels: only the last row of the series is carried yet.
    table.append(["84", "7", "[160×60×3.5", "7.2", "0.56", "9.29"] + [""] * 5)
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
    # Subtypes 9 to 13 are not carried yet; subtype 14 ends the table at ID 268.
    lipped = []
    for b, a_lip, t in cold_formed.LIPPED_EQUAL_ANGLES:
        a, outline = cold_formed.lipped_angle(b, a_lip, t)
        lipped.append(["14", f"L{b}×{a_lip}×{number(t)}", fixed(a / 100 * 0.785, 2), fixed(outline / 1000, 2),
                       fixed(a / 100, 2), "", "", ""])
    lipped[-1] = ["14", "L75×20×2.5", "3.42", "0.38", "4.36", "", "", ""]
    first = 268 - len(lipped) + 1
    table += [[str(first + i)] + row for i, row in enumerate(lipped)]
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


def z_table():
    cols = ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积"]
    table = []
    for h, b, a_lip, t in cold_formed.LIPPED_Z:
        a, outline = cold_formed.lipped_z(h, b, a_lip, t)
        table.append([str(len(table) + 1), "19", f"Z{h}×{b}×{a_lip}×{number(t)}", fixed(a / 100 * 0.785, 2),
                      fixed(outline / 1000, 3), fixed(a / 100, 2)])
    inclined = []
    for h, b, a_lip, t in cold_formed.INCLINED_LIP_Z:
        a, outline = cold_formed.inclined_lip_z(h, b, a_lip, t)
        inclined.append(["20", f"Z{h}×{b}×{a_lip}×{number(t)}", fixed(a / 100 * 0.785, 2),
                         fixed(outline / 1000, 3), fixed(a / 100, 3)])
    inclined[-1] = ["20", "Z250×75×20×2.5", "8.38", "0.865", "10.676"]
    first = 31 - len(inclined) + 1
    table += [[str(first + i)] + row for i, row in enumerate(inclined)]
    return cols, table


def h_table():
    cols = ["ID", "SUBTYPEID", "规格", "详情", "重量", "表面积", "截面积", "高度/腹板(mm)", "宽度/翼板(mm)", "腹板厚t1(mm)",
            "翼缘厚t2(mm)", "圆角半径r(mm)", "类别"]
    # The 2010 table (subtype 29) is not carried yet beyond its first and sixth rows.
    table = [
        ["1", "29", "HW100×100  ", "100×100×6×8", "16.9", "0.57 ", "21.58", "100", "100", "6", "8", "8", ""],
        ["6", "29", "HW200×200  ", "*200×204×12×12", "56.2", "1.17 ", "71.53", " *200  ", "204", "12", "12", "13", ""],
    ]
    rows = []
    for name, starred, H, B, t1, t2, r in gb11263.H_SECTIONS:
        star = "*" if starred else ""
        a = gb11263.h_area_mm2(H, B, t1, t2, r) / 100
        detail = "×".join(number(v) for v in (H, B, t1, t2))
        rows.append(["79", name, star + detail, significant(a * 0.785, 3),
                     significant(gb11263.h_outline_mm(H, B, t1, r) / 1000, 3), gb11263.area_text(a) + " ",
                     star + number(H), number(B), number(t1), number(t2), number(r), ""])
    first = 497 - len(rows) + 1
    table += [[str(first + i)] + row for i, row in enumerate(rows)]
    return cols, table


def t_table():
    cols = ["ID", "SUBTYPEID", "规格", "详情", "重量", "表面积", "截面积", "高度/父板(mm)H", "宽度/翼板(mm)H", "腹板厚(mm)t1",
            "翼缘厚(mm)t2", "圆角半径r(mm)"]
    # The 2010 table (subtype 18) is not carried yet beyond its first row.
    table = [["1", "18", "TW50×100", "50×100×6×8", "8.47", "0.309", "10.79", "50", "100", "6", "8", "8"]]
    rows = []
    for name, h, B, t1, t2, r in gb11263.T_SECTIONS:
        a = gb11263.t_area_mm2(h, B, t1, t2, r) / 100
        # Areas of 100 cm2 and more are rounded to one decimal and written with two.
        area = gb11263.area_text(a) if a < 100 else fixed(a, 1) + "0"
        rows.append(["80", name, "×".join(number(v) for v in (h, B, t1, t2)), significant(a * 0.785, 3),
                     significant(gb11263.t_outline_mm(h, B, r) / 1000, 3), area + " ",
                     number(h), number(B), number(t1), number(t2), number(r)])
    table += [[str(81 + i)] + row for i, row in enumerate(rows)]
    return cols, table


TABLES = {
    "热轧_工字钢": i_beam_table,
    "热轧_槽钢": channel_table,
    "热轧_角钢": equal_angle_table,
    "热轧_不等边": unequal_angle_table,
    "热轧Z": z_table,
    "热轧H": h_table,
    "热轧T": t_table,
}


def main():
    for name, build in TABLES.items():
        cols, rows = build()
        write_table(os.path.join(DATA, name + ".csv"), cols, rows)
        print(f"{name}: {len(rows)} rows")


if __name__ == "__main__":
    main()
