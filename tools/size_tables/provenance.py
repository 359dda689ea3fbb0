"""Where each subtype's rows come from: the one list that both SOURCES.md and
the program's provenance table are written from.

Per subtype: its class, the Chinese line the program shows as the remark's
tooltip, the rows the catalogue's layout expects, and the notes and errata
that SOURCES.md lists. The carried count is read from the written tables."""

PRINTED = "printed"          # the standard's printed table, a copy at hand
TRANSCRIBED = "transcribed"  # a public transcription of the printed table
REBUILT = "rebuilt"          # rebuilt from the standard's size series
FIXED = "fixed"              # only the rows the catalogue itself fixes
NONE = "none"                # no rows yet

CLASS_TEXT = {
    PRINTED: "printed",
    TRANSCRIBED: "transcribed",
    REBUILT: "rebuilt from the size series",
    FIXED: "only the catalogue's fixed rows",
    NONE: "no rows yet",
}


class Subtype:
    def __init__(self, sid, name, table, expected, cls, line, notes="", errata=(), needs=""):
        self.id = sid
        self.name = name
        self.table = table
        self.expected = expected
        self.cls = cls
        self.line = line.replace("−", "-")  # GBK has no minus sign
        self.notes = notes.strip()
        self.errata = list(errata)
        self.needs = needs


NO_DATA = "本子类尚无数据"

SUBTYPES = [
    # 热轧_工字钢
    Subtype(1, "热轧工字钢", "热轧_工字钢", 45, REBUILT,
            "数值依据：GB/T 706-2016 热轧工字钢表的尺寸与表列截面积、重量、表面积（按标准表逐项记录）；未与印刷版逐行核对",
            """
GB/T 706-2016, table of hot-rolled I-beams (45 sizes, I10 to I63c). Dimensions
h, b, d, t, r and the area, weight and surface area as the standard's table
gives them, written down from the table, not checked against a printed copy
row by row. The areas sit 0.02–0.12 % below hd + 2t(b − d) + 0.615(r² − r1²),
r1 = r/2; the weights are 0.785 × the unrounded formula area (I10: 14.33 cm²,
11.3 kg/m). Weight and surface area carry one trailing blank, as the fixed row
does."""),
    Subtype(2, "轻型工字钢", "热轧_工字钢", 27, REBUILT,
            "数值依据：YB 163-63 轻型工字钢系列（据 GOST 8239-56）的每米重量；未与印刷版逐行核对",
            """
The light I-beam series YB 163-63 (after GOST 8239-56), 27 sizes I10 to
I70b, weight per metre only (the catalogue shows 规格 and 重量). I65 to I70b
come from the 1956 series only and could not be checked against a second
source."""),
    Subtype(3, "低合金轻型工字钢", "热轧_工字钢", 10, FIXED,
            "仅目录给定的末行 I32Q×320；低合金轻型工字钢系列的出处尚未找到",
            "Only the catalogue's fixed last row (I32Q×320).",
            needs="the low-alloy light I-beam table of the handbook the catalogue follows "
                  "(a 五金手册 edition with a 'Q' light series, I…Q×…); no standard is named"),
    # 热轧_槽钢
    Subtype(4, "热轧槽钢", "热轧_槽钢", 41, REBUILT,
            "数值依据：GB/T 706-2016 热轧槽钢表的尺寸与表列截面积、重量、表面积（按标准表逐项记录）；未与印刷版逐行核对",
            """
GB/T 706-2016, hot-rolled channels (41 sizes, [5 to [40c), as for subtype 1.
[25a: surface area 0.772, following the a/b/c steps of every other height
(0.776, 0.780); the printed value could not be checked."""),
    Subtype(5, "低合金轻型槽钢", "热轧_槽钢", 10, NONE,
            NO_DATA + "：低合金轻型槽钢系列的出处尚未找到",
            "Not carried (IDs 42–51 are kept free).",
            needs="the low-alloy light channel table of the same handbook as subtype 3"),
    Subtype(6, "轻型槽钢", "热轧_槽钢", 22, REBUILT,
            "数值依据：YB 164-63 轻型槽钢系列（据 GOST 8240-56）的每米重量；未与印刷版逐行核对",
            "Light channel series YB 164-63 (after GOST 8240-56), 22 sizes [5 to [40, weight only."),
    Subtype(7, "冷弯薄壁槽钢", "热轧_槽钢", 11, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-3 的尺寸、截面面积与每米长质量（公开转录）；表面积按外廓 (2h+4b) 计算",
            """
GB 50018-2002 table B.1.1-3, the 11 plain channels [60×30×2.5 to
[160×60×3.5, from the transcription in `../shared/reference/gb50018/`.
Area and weight as printed, written without trailing zeros as the fixed row
("7.2") shows; surface area (2h + 4b)/1000 to two decimals (the fixed row's
0.56). IDs 74–84.""",
            errata=["[160×60×3.5: printed 7.20 kg/m, 0.785 × 9.29 cm² gives 7.29 (misprint of the standard, kept)"]),
    # 热轧_角钢
    Subtype(8, "热轧等边角钢", "热轧_角钢", 114, REBUILT,
            "数值依据：GB/T 706-2016 等边角钢的尺寸系列，截面积、重量、表面积按标准公式计算；未与印刷版逐行核对",
            """
GB/T 706-2016, equal angles, 114 sizes L20×3 to L250×35. Dimensions b, d, r
are the standard's. Computed: area d(2b − d) + (1 − π/4)(r² − 2r1²), r1 =
d/3, to three decimals (the standard's own factor: it prints L45×6 as 5.076 and
L63×10 as 11.657, where 0.215 would give 5.077 and 11.658); weight 0.785 ×
unrounded area, two decimals; surface area from the outline 4b less the root
fillet and the two toe roundings, three decimals. All with one trailing blank."""),
    Subtype(9, "低合金等边角钢", "热轧_角钢", 29, NONE,
            NO_DATA + "：低合金等边角钢系列的出处尚未找到",
            "Not carried (IDs 115–143 are kept free).",
            needs="the low-alloy equal-angle table (宽度, 厚度, 重量) of the handbook the catalogue follows"),
    Subtype(10, "不锈钢0Cr17系列", "热轧_角钢", 37, NONE,
            NO_DATA + "：GB/T 4227 不锈钢热轧等边角钢的尺寸已有转录，但缺圆角半径与重量",
            "Not carried: `../shared/reference/gbt4227/` has the 37 sizes but no fillet radius, area or weight.",
            needs="GB/T 4227-1984 (or its successor GB/T 4227-2015) table 1 with r, section area and "
                  "theoretical weight, and the density the handbook uses for 0Cr17"),
    Subtype(11, "不锈钢1Cr17系列", "热轧_角钢", 37, NONE,
            NO_DATA + "：GB/T 4227 不锈钢热轧等边角钢的尺寸已有转录，但缺圆角半径与重量",
            "Not carried, as subtype 10.",
            needs="as subtype 10, with the density used for 1Cr17"),
    Subtype(12, "不锈钢1Cr18系列", "热轧_角钢", 37, NONE,
            NO_DATA + "：GB/T 4227 不锈钢热轧等边角钢的尺寸已有转录，但缺圆角半径与重量",
            "Not carried, as subtype 10.",
            needs="as subtype 10, with the density used for 1Cr18Ni9"),
    Subtype(13, "冷弯薄壁等边角钢", "热轧_角钢", 10, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-2 的尺寸、截面面积与每米长质量（公开转录）；表面积按外廓 (4b) 计算",
            """
GB 50018-2002 table B.1.1-2, the 10 plain equal angles L30×1.5 to L75×3, from
the transcription. Area and weight as printed; surface
area 4b/1000 to two decimals; 宽度 and 厚度 the printed b and t. The table
prints no fillet radius: 圆角半径r(mm) stays empty. IDs 255–264."""),
    Subtype(14, "冷弯薄壁卷边等边角钢", "热轧_角钢", 4, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-7 的尺寸、截面面积与每米长质量（公开转录）；表面积按外廓 (4b+4a) 计算",
            """
GB 50018-2002 table B.1.1-7, the four lipped equal angles L40×15×2, L60×20×2,
L75×20×2, L75×20×2.5. Area and weight as printed (they equal the centre-line
values with bends at 2t that were carried before); surface area (4b + 4a)/1000
to two decimals, which gives the fixed row's 0.38.""",
            errata=["L75×20×2.5: iy printed 11.83, √(14.60/4.36) gives 1.83 (not a carried column)"]),
    # 热轧_不等边
    Subtype(15, "热轧不等边角钢", "热轧_不等边", 71, REBUILT,
            "数值依据：GB/T 706-2016 不等边角钢的尺寸系列，截面积、重量、表面积按标准公式计算；未与印刷版逐行核对",
            """
GB/T 706-2016, unequal angles, 71 sizes L25×16×3 to L200×125×18. Dimensions
B, b, d, r are the standard's; area, weight and surface area computed as for
subtype 8 with 2b replaced by B + b (L75×50×5 gives the printed 6.125,
L100×63×6 the printed 9.617). Only the surface area carries a trailing blank,
as the fixed row shows."""),
    Subtype(16, "热轧L型钢", "热轧_不等边", 11, REBUILT,
            "数值依据：GB/T 706-2008 L型钢的尺寸系列，截面积、重量、表面积按标准公式计算；未与印刷版逐行核对",
            """
GB/T 706-2008, the 11 L sections L250×90×9×13 to L500×120×13.5×35, with their
dimensions B, b, D, d and root radius r (15 for the 250 and 300 sizes, 20
above). Computed: area B·D + (b − D)·d + (1 − π/4)(r² − r1²), r1 = r/2; weight
0.785 × area; both to three significant digits as the fixed row prints them
(105, 82.8); surface area 2(B + b) less the root fillet and two toes at r/2,
three decimals (the fixed row's 1.223)."""),
    # 热轧C
    Subtype(17, "冷弯C型钢", "热轧C", 61, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-4 的21种卷边槽钢（公开转录，截面面积与每米长质量为印刷值），表面积按外廓计算；另含目录给定的末行 C300×80×20×3",
            """
GB 50018-2002 table B.1.1-4, its 21 lipped channels C80×40×15×2.0 to
C220×75×20×2.5 (IDs 1–21), and the catalogue's fixed last row C300×80×20×3
(ID 61), which is not a GB 50018 size. Area and weight as printed; the designation keeps the printed thickness ("2.0"), the
thickness column does not ("2"). Surface area (2h + 4b + 4a − 6t)/1000 to three
decimals (the fixed row's 0.368). The fixed first row's area 3.465 (printed
3.47) is the catalogue's and is kept. The other ~40 rows the layout counts
come from a purlin table that no source here names: not carried.""",
            needs="the purlin table that the other ~40 C rows (up to C300×80×20×3) come from; "
                  "probably a manufacturer's or handbook's table after GB/T 6723"),
    # 热轧T
    Subtype(18, "热轧T型钢-2010", "热轧T", 80, TRANSCRIBED,
            "尺寸依据：GB/T 11263-2010 剖分T型钢的尺寸与圆角（公开转录）；重量、截面积、表面积按标准公式计算，未与2010印刷版核对",
            """
GB/T 11263-2010, the 80 cut T sections (IDs 1–80), sizes and r from the
transcription in `../shared/reference/gb11263/`. The 2010 values are not in any
source here, so weight, area and surface area are computed: area t1(h − t2) +
Bt2 + (4 − π)/2·r², cut to two decimals below 100 cm² and rounded to one above;
weight 0.785 × unrounded area to three significant digits; surface area
2h + 2B less the two fillets, three significant digits, as the fixed first row
prints them. Where a size also stands in 2017 the printed 2017 value was only a
check. Three TN rows have an r in the transcription that disagrees with their
parent 2010 H row; they take the parent's r: 323×299×10×15 (12 → 13),
346×300×13×20 (13 → 18), 350×300×13×24 (13 → 18).""",
            errata=["TW50×100 (fixed first row): 0.309 m²/m, its outline gives 0.293; kept as the catalogue gives it"]),
    # 热轧Z
    Subtype(19, "冷弯薄壁卷边Z型钢", "热轧Z", 13, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-5 的尺寸、截面面积与每米长质量（公开转录）；表面积按外廓计算",
            """
GB 50018-2002 table B.1.1-5, the 13 lipped Z sections Z100×40×20×2 to
Z180×70×20×3. Area and weight as printed (they agree with
the centre-line values carried before); surface area (2h + 4b + 4a − 6t)/1000
to three decimals (the fixed row's 0.428)."""),
    Subtype(20, "冷弯薄壁斜卷边Z型钢", "热轧Z", 18, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-6 的尺寸、截面面积与每米长质量（公开转录）；表面积按外廓计算",
            """
GB 50018-2002 table B.1.1-6, 18 sizes Z140×50 to Z250×75, lip 20, t 2.0, 2.2,
2.5. Area and weight as printed without trailing zeros (the fixed row's "8.38"
for 8.380). The centre-line computation carried before gave areas up to 0.2 %
lower (5.382 for a printed 5.392); the printed values replace it. Surface area
(2h + 4b + 4a − 6t)/1000 to three decimals."""),
    # 热轧H
    Subtype(29, "热轧H型钢-2010", "热轧H", 141, TRANSCRIBED,
            "尺寸依据：GB/T 11263-2010 H型钢的尺寸与圆角（公开转录）；重量、截面积、表面积按标准公式计算，未与2010印刷版核对",
            """
GB/T 11263-2010, the 141 H sections (HW 29, HM 15, HN 59, HP 11, HT 27; IDs
1–141), sizes and r from the transcription. Computed as for subtype 79 (area
cut to two decimals below 100 cm², rounded to one above; weight three
significant digits), with the surface area to two decimals and a trailing blank
as the fixed rows 1 and 6 print it ("0.57 ", "1.17 "). Designations carry two
trailing blanks and a starred height is written " *200  ", as the fixed row 6
shows. The transcription carries no asterisks: sizes also in the 2017 list take
its asterisk (fixed row 6 agrees), the 2010-only sizes (HN625×200 and
HN650×300 groups, the HP series) are unstarred — not verified against a 2010
print. 498×432×45×70 is grouped under HW400×400 as in subtype 79 (the
transcription assigns HW500×500). The 6 HN rows without a 2017 counterpart
have no printed value in any source."""),
    Subtype(30, "超厚超重H型钢", "热轧H", 65, TRANSCRIBED,
            "数值依据：超厚超重H型钢表（来源标注 GB/T 11263-2017）的尺寸、截面积、重量、表面积（公开转录，单一来源）；6行数值与尺寸不符未收录",
            """
The extra-heavy H sections that the transcription's source labels GB/T
11263-2017 (series W14×16, W24×12.75, W36×12, W36×16.5, W40×12, W40×16,
W44×16), one source only. All figures as transcribed; designations are the
series labels with "×" (W14×16). Six rows whose printed area, weight or
surface does not fit their own dimensions are probable transcription errors
and are left out (IDs 142–200 carry the other 59): 483×421×51.2×81.5,
921×120×21.3×36.6, 960×427×31.0×55.9, 972×437×34.5×62.0, 1020×304×26.0×16.0,
1048×412×34.0×50.0.""",
            needs="a second copy of the extra-heavy H table (GB/T 11263-2017 appendix or the "
                  "producer's W-shape list) to restore the six rows left out"),
    Subtype(31, "高频焊接轻型薄壁H型钢", "热轧H", 141, NONE,
            NO_DATA + "：JG/T 137-2017 结构用高频焊接薄壁H型钢的尺寸表尚未找到",
            "Not carried.",
            needs="JG/T 137-2017 结构用高频焊接薄壁H型钢, its table of sections (LH…, 141 rows)"),
    Subtype(32, "卷边高频焊接轻型薄壁H型钢", "热轧H", 16, NONE,
            NO_DATA + "：JG/T 137-2017 卷边高频焊接薄壁H型钢的尺寸表尚未找到",
            "Not carried.",
            needs="JG/T 137-2017, its table of lipped sections (CLH…, 16 rows)"),
    Subtype(79, "热轧H型钢-2017", "热轧H", 130, TRANSCRIBED,
            "数值依据：GB/T 11263-2017 H型钢的尺寸、截面积、重量、表面积（公开转录，两份来源一致）；型号分组与星号按本书",
            """
GB/T 11263-2017, the 130 H sections (HW 29, HM 15, HN 59, HT 27) at IDs
368–497. Sizes and fillet radii agree with the transcription; area, weight and
surface area, computed before from the standard's formulas (area t1(H − 2t2) +
2Bt2 + (4 − π)r², cut to two decimals below 100 cm², rounded to one above;
weight three significant digits), now follow the transcription where it
differs: 118×58×3.2×4.5 7.26, 120×59×4×5.5 8.94, 145×73×3.2×4.5 9.00,
139×97×3.2×4.5 10.6 kg/m. Designations, asterisks (sizes not commonly rolled),
trailing blanks and the grouping of 498×432×45×70 under HW400×400 are ours:
the transcription has no asterisks and groups that size under HW500×500.
Not verified against a printed copy: the asterisks of 300×305×15×15,
482×153.5×10.5×19, 504×153×10×18 and 630×200×15×20 (taken as unstarred)."""),
    Subtype(80, "热轧T型钢-2017", "热轧T", 80, TRANSCRIBED,
            "数值依据：GB/T 11263-2017 剖分T型钢的尺寸、截面积、重量、表面积（公开转录，两份来源一致）",
            """
GB/T 11263-2017, the 80 cut T sections (TW 19, TM 15, TN 46), IDs 81–160.
Sizes and radii agree with the transcription; the values follow it where the
formula values carried before differ: 75×75×5×7 7.00, 87.5×90×5×8 8.98,
99×99×4.5×7 8.90, 327×301×14×22 86.59 kg/m. Areas of 100 cm² and more are
written with two decimals and a trailing blank (the fixed last row's
"180.00 ")."""),
    # 热轧_圆管
    Subtype(33, "镀锌钢管", "热轧_圆管", 15, REBUILT,
            "数值依据：GB/T 3091-2015 公称口径、外径与普通壁厚的尺寸系列（两份独立记录一致）；重量 = 0.0246615(D−t)t × 镀锌重量系数c；未与印刷版逐行核对",
            """
GB/T 3091-2015, galvanised pipe of the ordinary wall, DN6 to DN150 (IDs 1–14),
rebuilt: the table of nominal bore, outside diameter and walls was written
down twice, independently; both gave the same 14 rows (DN6, 8, 10, 15, 20, 25,
32, 40, 50, 65, 80, 100, 125, 150) and the same coefficients c for every
ordinary wall (2.0: 1.064 … 4.5: 1.028). Weight = c × 0.0246615 (D − t) t,
three decimals and a trailing blank, as the fixed row (DN6, 10.2 × 2, 0.430)
prints it. 规格, 表面积 and 截面积 stay empty, as in the fixed row. Neither
write-down was sure of a 15th row (DN200, 219.1): not carried. Third check,
the partial transcription in `../shared/reference/gbt3091/` (low confidence):
it agrees on DN15–DN125 and on c, and gives DN150 as 165.1 × 4.5 where both
write-downs give 168.3 × 4.5 (GB/T 3091-2015 series 1); 168.3 is carried. Both
write-down briefs showed the fixed row's DN6 figures (10.2, 2.0) and c = 1.064
as the example of the format, so those are not independent confirmations.""",
            needs="GB/T 3091-2015 table 2 and its galvanised weight table, to confirm DN150 and whether "
                  "DN200 belongs"),
    Subtype(34, "加厚钢管", "热轧_圆管", 15, REBUILT,
            "数值依据：GB/T 3091-2015 公称口径、外径与加厚壁厚的尺寸系列（两份独立记录一致）；重量按 0.0246615(D−t)t 计算；未与印刷版逐行核对",
            """
GB/T 3091-2015, thickened pipe, DN6 to DN150 (IDs 16–29), the same agreed rows
as subtype 33 with the thickened wall; black weight 0.0246615 (D − t) t, three
decimals and a trailing blank. The DN6 thickened wall 2.5 appeared in both
briefs' format example.""",
            needs="as subtype 33"),
    Subtype(35, "普通钢管", "热轧_圆管", 15, REBUILT,
            "数值依据：GB/T 3091-2015 公称口径、外径与普通壁厚的尺寸系列（两份独立记录一致）；重量按 0.0246615(D−t)t 计算；未与印刷版逐行核对",
            """
GB/T 3091-2015, ordinary pipe, DN6 to DN150 (IDs 31–44), black weight
0.0246615 (D − t) t, three decimals and a trailing blank.""",
            needs="as subtype 33"),
    Subtype(40, "冷弯焊接薄壁圆钢管", "热轧_圆管", 61, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-8 的尺寸、截面面积与每米长质量（公开转录）；表面积按 πd 计算",
            """
GB 50018-2002 table B.1.1-8, the 61 welded thin-walled round tubes D25×1.5 to
D245×4 (IDs 3211–3271, just before the fixed first row of subtype 41). Area
and weight as printed; surface area πd/1000 to three
decimals.""",
            errata=["D203×3: printed 15.00 kg/m, 0.0246615 (d − t) t gives 14.80 (misprint of the standard, kept)",
                    "D219×4: printed 21.81 kg/m, the formula gives 21.21 (misprint of the standard, kept)"]),
    Subtype(41, "圆形冷弯空心型钢", "热轧_圆管", 82, TRANSCRIBED,
            "数值依据：GB/T 6728-2017 表3 圆形的尺寸与理论重量（公开转录）；截面积 π(D−t)t、表面积 πD 按公式计算",
            """
GB/T 6728-2017 table 3, the 82 round hollow sections (IDs 3272–3353; the first is
the catalogue's fixed row D21.3 (21.3)×1.2). Sizes and weights from the
transcription; the source lost trailing zeros, so a weight printed "33.0"
shows as "33". Computed: area π(D − t)t to two decimals, surface area πD to
three, each with a trailing blank as the fixed row shows; every printed weight
agrees with 0.0246615 (D − t) t within its last digit. The bracket after the
diameter is the ISO 4200 outside diameter the GB diameter stands for (26.8
(26.9), 48 (48.3), 325 (323.9), …); it is left out for 165, whose nearest ISO
diameter 168.3 is 2 % off, so the pairing is not certain."""),
    # 热轧方
    Subtype(25, "热轧方钢管", "热轧方", 106, FIXED,
            "仅目录给定的首行 口12×0.8；其尺寸表的出处尚未确定",
            "Only the catalogue's fixed first row 口12×0.8.",
            needs="the square-tube table the 口12×0.8 row comes from (both write-downs suspect an older GB/T 3094 "
                  "square-tube table, mislabelled hot-rolled; not confirmed)"),
    Subtype(27, "冷弯薄壁方钢管", "热轧方", 22, TRANSCRIBED,
            "数值依据：GB 50018-2002 附录B 表B.1.1-1 的尺寸、截面面积与每米长质量（公开转录）；表面积按圆角外廓计算",
            """
GB 50018-2002 table B.1.1-1, the 22 square tubes 口25×1.5 to 口160×5 (IDs
236–257). Area and weight as printed; surface area the
outline 4h − (8 − 2π)R with the outer corner radius R = 3t, which is the radius
that reproduces the printed areas (2t(2h − 2t) − (4 − π)(R² − r²), r = R − t:
口25×1.5 gives 1.31, 口160×5 29.93), three decimals.""",
            errata=["口140×4: printed 16.44 kg/m, 0.785 × 21.07 cm² gives 16.54 (misprint of the standard, kept)",
                    "口160×4.5: printed 21.05 kg/m, 0.785 × 27.12 cm² gives 21.29 (kept)",
                    "口160×5: printed 23.35 kg/m, 0.785 × 29.93 cm² gives 23.50 (kept)"]),
    Subtype(28, "方形冷弯空心型钢", "热轧方", 121, TRANSCRIBED,
            "数值依据：GB/T 6728-2017 表1 方形的尺寸与理论重量（公开转录）；截面积按标准的圆角公式、表面积按外廓计算",
            """
GB/T 6728-2017 table 1, the 121 square hollow sections 口20×1.2 to 口500×16
(IDs 258–378; the catalogue's 95 empty rows stand at IDs 489–583). Sizes and
weights from the transcription (trailing zeros lost, as for subtype 41).
Computed: area 2t(H + B − 2t) − (4 − π)(R² − r²) with the standard's outer
corner radius R = 2t (t ≤ 6), 2.5t (t ≤ 10), 3t above, r = R − t, two
decimals; surface area the outline 2(H + B) − (8 − 2π)R, three decimals; both
with a trailing blank. Three printed weights sit 1.2–1.6 % above 0.785 × that
area (口120×8, 口140×8, 口160×8): they fit R = 2t; kept as printed.""",
            errata=["口120×8, 口140×8, 口160×8: printed weights 1.2–1.6 % above 0.785 × the formula area (R = 2.5t)"]),
    # 热轧_矩形管
    Subtype(52, "热轧矩形钢管", "热轧_矩形管", 173, FIXED,
            "仅目录给定的首行 口10×5×0.8；其尺寸表的出处尚未确定",
            "Only the catalogue's fixed first row 口10×5×0.8.",
            needs="the rectangular-tube table the 口10×5×0.8 row comes from (suspected as for subtype 25)"),
    Subtype(53, "矩形冷弯空心型钢", "热轧_矩形管", 170, TRANSCRIBED,
            "数值依据：GB/T 6728-2017 表2 矩形的尺寸与理论重量（公开转录）；截面积按标准的圆角公式、表面积按外廓计算",
            """
GB/T 6728-2017 table 2, the 170 rectangular hollow sections 口30×20×1.5 to
口600×400×16 (IDs 174–343), computed as subtype 28. Six printed weights do not
fit 0.785 × the formula area: 口150×100×8, 口160×80×8, 口180×100×8 and
口200×100×8 sit 1.3–1.6 % above (they fit R = 2t); 口100×50×3 is 1.4 % above
and 口200×100×6 1.1 % below (both named doubtful by the transcription); kept
as printed.""",
            errata=["口150×100×8, 口160×80×8, 口180×100×8, 口200×100×8: weights 1.3–1.6 % above 0.785 × the formula area",
                    "口100×50×3 (6.69, +1.4 %) and 口200×100×6 (26.101, −1.1 %): doubtful in the transcription"]),
    Subtype(81, "冷拔矩形钢管", "热轧_矩形管", 147, FIXED,
            "仅目录给定的末行 口400×200×16；GB/T 3094-2012 冷拔矩形钢管表尚未收录",
            "Only the catalogue's fixed last row 口400×200×16.",
            needs="GB/T 3094-2012 annex A, the rectangular-tube table"),
    # 热轧_圆钢
    Subtype(21, "热轧圆钢", "热轧_圆钢", 89, TRANSCRIBED,
            "数值依据：GB/T 702-2017 圆钢的直径（公开转录，380 mm 按两份独立记录）；5.5~53 mm 为2017印刷重量，其余重量与截面积 π·d·d/4、表面积 π·d 按公式计算",
            """
GB/T 702-2017 table 4: the 88 diameters of the transcription in
`../shared/reference/gbt702/` (5.5 to 370 mm, IDs 1–88), and 380 mm (ID 89),
which the transcription lacks and both independent write-downs of the
standard's list give. Weights of 5.5–53 mm are the printed 2017 weights; above
53 mm they are computed, 0.785 × πd²/4 to three significant digits (the 2008
weights of 55–105 mm in the transcription were not used: 55 mm prints 18.6
there, the formula gives 18.7). Area πd²/4 in cm² to three decimals, surface
area πd/1000 to three decimals, as the fixed row (5.5: 0.187, 0.017, 0.238)
prints them. Both write-downs agreed on every diameter above 250 mm.""",
            needs="GB/T 702-2017 table 4 whole, to check the computed weights of 55–380 mm"),
    Subtype(49, "锻制圆钢", "热轧_圆钢", 47, REBUILT,
            "数值依据：GB/T 908-2019 锻制圆钢的直径系列（两份独立记录一致）；截面积 π·d·d/4、重量、表面积 π·d 按公式计算；未与印刷版逐行核对",
            """
GB/T 908-2019 forged round bars, rebuilt: both write-downs give the same 46
diameters, 50–150 mm in steps of 5 and 160–400 mm in steps of 10 (IDs 282–327;
the last is the catalogue's fixed row 400, which the computation reproduces:
"986 ", 1.257, 1256.637). Weight 0.785 × πd²/4 to three significant digits with
a trailing blank, surface area πd/1000 and area πd²/4 to three decimals.""",
            needs="GB/T 908-2019, its round-bar table (the catalogue counts 47 rows)"),
    Subtype(62, "热轧方钢", "热轧_多边形钢", 81, TRANSCRIBED,
            "数值依据：GB/T 702-2008 方钢边长 5.5~105 mm 及其印刷重量（公开转录；GB/T 702-2017 的方钢表未见）；110~250 mm 按两份独立记录，重量按公式；截面积 a·a、表面积 4a 按公式计算",
            """
The 55 square sides 5.5–105 mm of GB/T 702-2008 with their printed 2008
weights, from the transcription (IDs 1–55); the 2017 list was not found. The
sides above 105 mm were written down twice, independently: both give 110 to
170 in steps of 5, then 180 to 250 in steps of 10 (21 sides, IDs 56–76), with
the weight computed, 0.785 × a² to three significant digits. One write-down
goes on to 260, 270, 280, 290 and 300 (which would make the catalogue's 81);
the other stops at 250: those five are not carried. Area a²/100 to two decimals
without trailing zeros, surface area 4a/1000 to two decimals with a trailing
blank, as the fixed row (5.5: 0.237, 0.02, 0.3) prints them.""",
            errata=["53: printed 22.0 kg/m, 0.785 × 28.09 cm² gives 22.05 (rounds to 22.1); kept as printed"],
            needs="GB/T 702-2017's square-bar table (81 rows: whether 260–300 mm are listed, and its weights)"),
    Subtype(64, "锻造方钢", "热轧_多边形钢", 47, REBUILT,
            "数值依据：GB/T 908-2019 锻制方钢的边长系列（两份独立记录一致的部分）；截面积、重量、表面积按公式计算；末行 400 为目录给定",
            """
GB/T 908-2019 forged square bars, rebuilt: both write-downs give 50–150 mm in
steps of 5 and 160–200 in steps of 10 (26 sides, IDs 135–160); one goes on to
210–300 in steps of 10 (not carried). The catalogue's fixed row 400 mm stands
at ID 1895, after every other subtype, as the catalogue puts it; 400 is in
neither write-down. Computed in the style of that row: weight 0.785 × a² to
four significant digits with a trailing blank ("1256 "), surface area 4a/1000
and area a²/100 without trailing zeros ("1.6", "1600").""",
            needs="GB/T 908-2019, its square-bar table (sides above 200 mm, and 400)"),
    Subtype(66, "热轧六角钢", "热轧_多边形钢", 39, TRANSCRIBED,
            "数值依据：GB/T 705-1989 热轧六角钢表（已并入 GB/T 702，与 GB/T 702-2017 是否一致未核对）的对边距离、截面面积与重量（公开转录）；表面积按外廓 2√3·s 计算",
            """
GB/T 705-1989 table 1, the 39 hexagons 8–70 mm across flats (IDs 227–265),
printed areas and weights from the transcription. GB/T 705 was merged into
GB/T 702 in 2008; whether the 2017 printing has the same figures is not
confirmed. Surface area 2√3·s/1000 to three decimals."""),
    Subtype(67, "热轧八角钢", "热轧_多边形钢", 12, TRANSCRIBED,
            "数值依据：GB/T 705-1989 热轧八角钢表（已并入 GB/T 702，与 GB/T 702-2017 是否一致未核对）的对边距离、截面面积与重量（公开转录）；表面积按外廓 8(√2-1)·s 计算",
            """
GB/T 705-1989 table 1, the 12 octagons 16–40 mm across flats (IDs 266–277),
as for subtype 66; surface area 8(√2 − 1)·s/1000 to three decimals.""",
            errata=["18: weight 2.16 kg/m as transcribed, 0.785 × 2.683 cm² gives 2.11; doubtful in the "
                    "transcription (page or OCR error), kept"]),
    # 热轧_钢轨
    Subtype(54, "普通钢轨", "热轧_钢轨", 10, TRANSCRIBED,
            "数值依据：手册“钢轨类型及理论重量”表的重轨与轻轨每米重量（公开转录，未印标准号）",
            """
The nine rails of a handbook table of heavy rails (50, 43, 38, 33 kg/m) and
light rails (9, 12, 15, 22, 30 kg/m), transcribed from a trade page that
reprints it without naming a standard (IDs 1–9). Weights as printed. The
designations follow the fixed row's pattern (重型50kg/m, 轻型9kg/m); only the
first is the catalogue's. The 10th rail of the catalogue is named by no source.""",
            errata=["轻型9kg/m: printed 8.94 kg/m, 0.785 × 11.29 cm² gives 8.86 (area not carried)"],
            needs="a second reprint of the handbook's rail table, for the 10th rail and the 9 kg/m weight"),
    Subtype(55, "起重机钢轨", "热轧_钢轨", 4, TRANSCRIBED,
            "数值依据：YB/T 5055 起重机钢轨表的理论重量（公开转录）",
            """
YB/T 5055 (edition not stated by the sources), the four crane rails QU70,
QU80, QU100, QU120 (IDs 11–14), printed weights without trailing zeros as the
fixed row ("118.1") shows."""),
    # 热轧_钢板
    Subtype(42, "钢板", "热轧_钢板", 95, TRANSCRIBED,
            "数值依据：手册“钢板及钢带理论重量”表（p6.17）已核实的前两行；重量 = 7.85 × 厚度；其余厚度尚未找到出处",
            """
The handbook table "钢板及钢带理论重量" (p6.17) that the catalogue's first row
comes from: only its first two rows, 0.20 → 1.570 and 0.25 → 1.963 kg/m², are
confirmed by a source here (`../shared/reference/plate/`), and only they are
carried (IDs 1–2; the 247 empty rows stand at IDs 254–500). The rule of the
table, 7.85 × t to three decimals, holds for both. A thickness list from a
weight lookup (69 thicknesses, no handbook named) was not used: it is no copy
of this table.""",
            needs="the handbook table 钢板及钢带理论重量 (p6.17), its 95 thicknesses"),
    Subtype(47, "钢板网", "热轧_钢板", 40, NONE,
            NO_DATA + "：QB/T 2959-2008 钢板网的规格与重量表尚未找到",
            "Not carried: no printed table is at hand, and the weights do not follow from one formula.",
            needs="QB/T 2959-2008 钢板网, its table of designations and weights (kg/m²)"),
    Subtype(48, "钢格板", "热轧_钢板", 30, NONE,
            NO_DATA + "：YB/T 4001.1-2007 钢格栅板的规格与重量表尚未找到",
            "Not carried: no printed table is at hand, and the weights do not follow from one formula.",
            needs="YB/T 4001.1-2007 钢格栅板及配套件, its table of gratings and weights (kg/m²)"),
    # 热轧_钢丝
    Subtype(56, "冷拉圆钢丝", "热轧_钢丝", 53, REBUILT,
            "数值依据：GB/T 342-2017 冷拉圆钢丝的直径系列（两份独立记录一致）；截面积(mm²)、重量(kg/km)按公式计算；未与印刷版逐行核对".replace("mm²", "mm2"),
            """
GB/T 342-2017 round wire, rebuilt: both write-downs give the same 53 diameters,
0.05 to 20 mm (IDs 1–53). Area πd²/4 in mm² to four decimals; weight 7.85 ×
that rounded area in kg/km to three decimals, both with a trailing blank, which
reproduces the catalogue's fixed first row (0.05: 0.0020 mm², 0.016 kg/km).
The table ends with the catalogue's empty row 114.""",
            needs="GB/T 342-2017, its wire table, to check the diameters and the printed weights"),
    Subtype(77, "大六角高强螺栓", "热轧_螺栓", 117, FIXED,
            "仅目录给定的首行 M16×45；大六角高强度螺栓连接副的重量表尚未找到",
            "Only the catalogue's fixed first row (M16, 45 mm, 221.3 kg per thousand sets).",
            needs="the table of weights per thousand sets of high-strength large hexagon bolt assemblies "
                  "(GB/T 1228–1231 sizes), as the handbook prints it"),
    Subtype(78, "扭剪型高强螺栓", "热轧_螺栓", 65, FIXED,
            "仅目录给定的末行 M24×150；扭剪型高强度螺栓连接副的重量表尚未找到",
            "Only the catalogue's fixed last row (M24, 150 mm, 987 kg per thousand sets).",
            needs="the table of weights per thousand sets of torshear bolt assemblies (GB/T 3632 sizes)"),
    Subtype(50, "夹芯板", "热轧_夹芯板", 81, FIXED,
            "仅目录给定的首末两行；01J925-1、08J925-3 的夹芯板表尚未找到",
            "Only the catalogue's fixed rows JYJB41-500-1000 and JXB44-333-1000.",
            needs="the sandwich-panel tables of 01J925-1 and 08J925-3 (板型, 板厚, 板重, 材质)"),
    Subtype(51, "压型钢板", "热轧_压型钢板", 162, FIXED,
            "仅目录给定的两行 YX100-600 与 YX35-190-760；01J925-1、06J925-2、08J925-3 的压型钢板表尚未找到",
            "Only the catalogue's fixed rows 1 (YX100-600) and 40 (YX35-190-760). Their weights fit 7.85 × t × "
            "展开宽度 / 1000, but the sheet list itself has no source here.",
            needs="the profiled-sheet tables of 01J925-1, 06J925-2 and 08J925-3"),
    Subtype(68, "热轧扁钢", "热轧_多边形钢", 616, REBUILT,
            "数值依据：GB/T 702-2017 热轧扁钢的宽度×厚度组合（两份独立记录一致的部分）；截面积 b·t、重量、表面积按公式计算；未与印刷版逐行核对",
            """
GB/T 702-2017's table of hot-rolled flats, rebuilt: widths 10 to 200 mm, each
with its run of thicknesses on the table's series 3–12, 14, 16, 18, 20, 22, 25,
28, 30, 32, 36, 40, 45, 50, 56, 60, written down twice, independently. Both
give the same widths and thickness series and the same thinnest thickness of
nearly every run; they differ on where the thicker runs end. Carried are the
529 sizes both list (IDs 278–806): each width from its thinnest thickness to
the thinner of the two thickest ones. The other write-down's runs, which make
exactly the catalogue's 616, add: 25, 28: 16; 30, 32: 18–20; 35: 22–28; 40:
25–28; 45, 50: 28–36; 55: 30–36; 60, 65: 32–45; 70: 36–45; 75: 40–45; 80: 4
and 40–56; 85–110: 45–60; 120: 5 and 50–60; 125, 130: 6 and 56–60; 140, 150: 7
and 60; 160–200: 7–9. Computed: area b·t/100 to two decimals without trailing
zeros, weight 0.785 × area to three significant digits, surface area the
outline 2(b + t)/1000 to three decimals.""",
            needs="GB/T 702-2017's flat-bar table, to settle the 87 sizes the write-downs disagree on"),
    Subtype(71, "热轧工具扁钢", "热轧_多边形钢", 382, NONE,
            NO_DATA + "：GB/T 702-2017 热轧工具钢扁钢的宽度×厚度表，两份独立记录未能给出一致的组合",
            """
Not carried: both write-downs of GB/T 702-2017's tool-steel flats give the same
thickness series (4, 6, 8, 10, 13, 16, 18, 20, 23, 25, 28, 32, 36, 40, 45, 50,
56, 63, 71, 80, 90, 100), but only one gives the thickness run of each width,
so no size is agreed.""",
            needs="GB/T 702-2017's tool-steel flat-bar table (widths 10–310 with their thickness runs)"),
    Subtype(38, "普通无缝钢管", "热轧_圆管", 3199, REBUILT,
            "数值依据：GB/T 17395-2008 表1 的外径与壁厚系列（两份独立记录一致的部分），重量 0.0246615(D-t)t、截面积、表面积按公式计算；未与印刷版逐行核对",
            """
GB/T 17395-2008 table 1 (ordinary seamless tubes), rebuilt: the outside
diameters of series 1, 2 and 3, each with the thinnest and thickest wall of its
run on the table's wall series, written down twice, independently. Both give
the same 69-column wall series but for one column (between 2.8 and 3.2: "3.0"
in one, "2.9 (3.0)" in the other), 92 common diameters and the same run for all
but four of them (140, 142, 146 and 152, where one run starts at 2.8 and the
other at that disputed column). Carried are the 2870 sizes both list, leaving
out the disputed column (IDs 3364–6233; 38 closes the table as the catalogue
orders it). Not carried: the diameters only one write-down has (699 and 864;
318.5, 368 and 419). Brackets are the table's own alternative values (series-1
diameters "10 (10.2)", walls "2.2 (2.3)"); designations "D57×3.5" keep them.
Computed with the values before the brackets: weight 0.0246615 (D − t) t kg/m
(three decimals below 1 kg/m, two above; the printed decimals could not be
checked), area π(D − t)t/100 cm² and surface area πD/1000 m²/m to three
decimals.""",
            needs="GB/T 17395-2008 table 1, to settle the disputed wall column, the five diameters and the printed "
                  "decimals of the weights"),
    Subtype(39, "精密钢管", "热轧_圆管", 782, NONE,
            NO_DATA + "：GB/T 17395-2008 表2 精密钢管，两份独立记录未能给出一致的外径与壁厚组合",
            """
Not carried: both write-downs of GB/T 17395-2008 table 2 give the same wall
series (0.5 to 25, with bracketed less preferred walls), but only one gives the
wall run of each diameter, so no size is agreed.""",
            needs="GB/T 17395-2008 table 2 (precision tubes)"),
    # 热轧_方, 热轧_圆管, 热轧_矩形管, 热轧_其他钢管: the tubes no write-down could give
    Subtype(26, "冷拔方形无缝钢管", "热轧方", 129, NONE,
            NO_DATA + "：GB/T 3094-2012 附录A 冷拔方形钢管表尚未收录",
            "Two independent write-downs were asked for the size series; neither could give the wall runs of any size, so no size is agreed.",
            needs="GB/T 3094-2012 annex A, the square-tube table with its area formula and corner radii"),
    Subtype(36, "直缝电焊钢管", "热轧_圆管", 755, NONE,
            NO_DATA + "：GB/T 13793-2008（尺寸取自 GB/T 21835-2008 表1）的外径×壁厚表尚未收录",
            "Two independent write-downs were asked for the size series; neither could give the wall runs of any size, so no size is agreed. Both name GB/T 21835-2008 table 1 (普通焊接钢管) as the table GB/T 13793-2008 takes its "
            "sizes from, and agree on its series-1 diameters 10.2–711 and wall series 0.5–25, but give no runs.",
            needs="GB/T 21835-2008 table 1 (or GB/T 13793-2008 itself): each outside diameter with its walls"),
    Subtype(37, "冷拔无缝钢管", "热轧_圆管", 1631, NONE,
            NO_DATA + "：冷拔无缝钢管的尺寸表出处未定（可能为 GB/T 8162/8163-1987 的冷拔管表）",
            "Two independent write-downs were asked for the size series; neither could give the wall runs of any size, so no size is agreed. Both suggest the cold-drawn tube table of GB/T 8162/8163-1987, whose sizes went into "
            "GB/T 17395; not confirmed.",
            needs="the cold-drawn seamless tube table the catalogue follows (GB/T 8162/8163-1987 cold-drawn "
                  "table suspected) with its 1631 sizes"),
    Subtype(72, "内外六角形钢管", "热轧_其他钢管", 48, FIXED,
            "仅目录给定的首行（对边距离10、壁厚1）；GB/T 3094-2012 内外六角形钢管表尚未收录",
            "Only the catalogue's fixed first row; the table's 271 empty rows stand at IDs 319–589, and subtype "
            "73 (the catalogue's empty row) carries no rows. Two independent write-downs were asked for the size series; neither could give the wall runs of any size, so no size is agreed.",
            needs="GB/T 3094-2012 annex A, the hexagonal-tube table"),
    Subtype(74, "螺旋埋弧焊接钢管", "热轧_其他钢管", 135, NONE,
            NO_DATA + "：螺旋埋弧焊接钢管的尺寸表（如 SY/T 5037）尚未收录；目录所注 GB/T 3094 不含此类钢管",
            "Two independent write-downs were asked for the size series; neither could give the wall runs of any size, so no size is agreed. Both name SY/T 5037 (2012 or 2000 edition) as the series; neither gives its walls.",
            needs="SY/T 5037-2012 (or the edition the catalogue follows), its table of outside diameters and walls"),
    Subtype(75, "椭圆型钢管", "热轧_其他钢管", 60, NONE,
            NO_DATA + "：GB/T 3094-2012 椭圆形钢管表尚未收录",
            "Two independent write-downs were asked for the size series; neither could give the wall runs of any size, so no size is agreed.",
            needs="GB/T 3094-2012 annex A, the elliptical-tube table"),
    Subtype(76, "平椭圆型钢管", "热轧_其他钢管", 49, NONE,
            NO_DATA + "：GB/T 3094-2012 平椭圆形钢管表尚未收录",
            "Two independent write-downs were asked for the size series; neither could give the wall runs of any size, so no size is agreed.",
            needs="GB/T 3094-2012 annex A, the flat-elliptical-tube table"),
    # 热轧_圆钢
    Subtype(22, "热轧圆盘条", "热轧_圆钢", 67, REBUILT,
            "数值依据：GB/T 14981-2009 热轧圆盘条的公称直径系列（两份独立记录一致）；截面积、重量、表面积按公式计算；未与印刷版逐行核对",
            """
GB/T 14981-2009 wire rod, rebuilt: both write-downs give the same 67 nominal
diameters, 5 to 16 mm in steps of 0.5 and 17 to 60 mm in steps of 1 (IDs
90–156). Computed as subtype 21: area πd²/4 and surface area πd to three
decimals, weight 0.785 × area to three significant digits.""",
            needs="GB/T 14981-2009's table, to check the diameters and its printed weights"),
    Subtype(23, "冷拉圆钢", "热轧_圆钢", 51, REBUILT,
            "数值依据：GB/T 905-1994 冷拉圆钢的直径系列（两份独立记录一致）；截面积、重量、表面积按公式计算；未与印刷版逐行核对",
            """
GB/T 905-1994 cold-drawn round bars, rebuilt: both write-downs give the same 55
diameters, 3 to 80 mm (IDs 157–211) — four more than the catalogue counts, so
the catalogue's list is probably shorter at one end; carried as the write-downs
agree. Computed as subtype 21.""",
            needs="GB/T 905-1994's table, to see which four diameters the catalogue's 51 rows lack"),
    Subtype(24, "银亮圆钢", "热轧_圆钢", 73, REBUILT,
            "数值依据：GB/T 3207-2008 银亮钢的公称直径系列（两份独立记录一致的部分）；截面积、重量、表面积按公式计算；未与印刷版逐行核对",
            """
GB/T 3207-2008 bright bars, rebuilt: the 68 diameters both write-downs give,
1 to 100 mm (IDs 212–279). Not carried: 52 and 67 (one write-down), 105–180
(the other). Computed as subtype 21.""",
            needs="GB/T 3207-2008's table of nominal diameters"),
    # 热轧_多边形钢
    Subtype(63, "冷拉方钢", "热轧_多边形钢", 52, REBUILT,
            "数值依据：GB/T 905-1994 冷拉方钢的边长系列（两份独立记录一致的部分）；截面积 a·a、重量、表面积 4a 按公式计算；未与印刷版逐行核对",
            """
GB/T 905-1994 cold-drawn square bars, rebuilt: the 53 sides both write-downs
give, 3 to 70 mm (IDs 82–134); one adds 75 and 80 (not carried). Computed in
the style of subtype 62.""",
            needs="GB/T 905-1994's table (which sides the square column lists)"),
    Subtype(65, "冷拉六角钢", "热轧_多边形钢", 46, REBUILT,
            "数值依据：GB/T 905-1994 冷拉六角钢的对边距离系列（两份独立记录一致的部分）；截面积、重量、表面积按公式计算；未与印刷版逐行核对",
            """
GB/T 905-1994 cold-drawn hexagon bars, rebuilt: the 53 sizes across flats both
write-downs give, 3 to 70 mm (IDs 161–213; one adds 75) — seven more than the
catalogue counts. Computed: area (√3/2)s² and surface area 2√3·s to three
decimals, weight 0.785 × area to three significant digits.""",
            needs="GB/T 905-1994's table (which sizes the hexagon column lists)"),
    Subtype(69, "冷拉扁钢", "热轧_多边形钢", 228, NONE,
            NO_DATA + "：冷拉扁钢的尺寸表出处未定（两份独立记录都提到 YB/T 037，但未给出宽度×厚度组合）",
            "Not carried: both write-downs name YB/T 037 (优质结构钢冷拉扁钢) but neither gives its sizes.",
            needs="the cold-drawn flat-bar table the catalogue follows (YB/T 037 suspected)"),
    Subtype(70, "锻制扁钢", "热轧_多边形钢", 344, NONE,
            NO_DATA + "：GB/T 908-2019 锻制扁钢的宽度×厚度表，两份独立记录都未能给出组合",
            "Not carried: the write-downs agree on most of the thickness series but give no width × thickness "
            "combination.",
            needs="GB/T 908-2019, its flat-bar table"),
    # 热轧_钢丝
    Subtype(57, "冷拉方钢丝", "热轧_钢丝", 27, REBUILT,
            "数值依据：GB/T 342-2017 冷拉方钢丝的边长系列（两份独立记录一致）；截面积(mm2)、重量(kg/km)按公式计算；未与印刷版逐行核对",
            """
GB/T 342-2017 square wire, rebuilt: both write-downs give the same 27 sides,
0.5 to 10 mm (IDs 54–80), shown in the 直径 column as the catalogue's column
list names it. Area a² in mm², weight as subtype 56.""",
            needs="GB/T 342-2017, its wire table"),
    Subtype(58, "冷拉六角钢丝", "热轧_钢丝", 17, REBUILT,
            "数值依据：GB/T 342-2017 冷拉六角钢丝的对边距离系列（两份独立记录一致）；截面积(mm2)、重量(kg/km)按公式计算；未与印刷版逐行核对",
            """
GB/T 342-2017 hexagon wire, rebuilt: both write-downs give the same 17 sizes
across flats, 1.6 to 10 mm (IDs 81–97), in the 直径 column. Area (√3/2)s² in
mm², weight as subtype 56.""",
            needs="GB/T 342-2017, its wire table"),
    Subtype(59, "预应力砼用光面钢丝", "热轧_钢丝", 13, REBUILT,
            "数值依据：GB/T 5223-2014 光面钢丝的公称直径系列（两份独立记录一致）；截面积(mm2)、重量(kg/km)按公式计算；未与印刷版逐行核对",
            """
GB/T 5223-2014 plain prestressing wire, rebuilt: both write-downs give the same
14 nominal diameters, 3 to 12 mm (IDs 98–111), one more than the catalogue
counts. Area πd²/4 in mm², weight in kg/km as subtype 56 (the standard's
nominal weights are not printed here).""",
            needs="GB/T 5223-2014, its table of nominal diameters, areas and weights"),
    Subtype(60, "预应力砼用低合金钢丝", "热轧_钢丝", 2, NONE,
            NO_DATA + "：预应力混凝土用低合金钢丝的尺寸表出处未定",
            "Not carried: the subtype names no standard and none was written down.",
            needs="the standard of low-alloy prestressing wire the catalogue follows (YB/T 038?) with its two sizes"),
    Subtype(61, "预应力砼用轧痕钢丝", "热轧_钢丝", 1, REBUILT,
            "数值依据：GB/T 5223-2014 刻痕钢丝的公称直径与刻痕深度（两份独立记录一致）；截面积(mm2)、重量(kg/m)按公式计算；未与印刷版逐行核对",
            """
GB/T 5223-2014 indented wire, rebuilt: both write-downs give the diameters 5 mm
(indentation depth 0.12) and 7 mm (0.15) (IDs 112–113), one more than the
catalogue counts. Area of the plain wire πd²/4 in mm², weight in kg/m.""",
            needs="GB/T 5223-2014, its table of indented wire"),
    # checker plates
    Subtype(43, "组合形花纹钢板", "热轧_钢板", 22, NONE,
            NO_DATA + "：GB/T 33974-2017 组合形花纹钢板的理论重量表尚未收录",
            "Not carried: the pattern makes the plate heavier than 7.85 t, so only the standard's own weights "
            "count. Two write-downs agreed on few weights (none for this pattern), and one recalls them from the older GB/T 3277-1991, "
            "so they are not shown to be this standard's.",
            needs="GB/T 33974-2017, its table of theoretical weights per pattern and thickness"),
    Subtype(44, "菱形花纹钢板", "热轧_钢板", 22, NONE,
            NO_DATA + "：GB/T 33974-2017 菱形花纹钢板的理论重量表尚未收录",
            "Not carried: the pattern makes the plate heavier than 7.85 t, so only the standard's own weights "
            "count. Two write-downs agreed on few weights (9 of 12 for this pattern), and one recalls them from the older GB/T 3277-1991, "
            "so they are not shown to be this standard's.",
            needs="GB/T 33974-2017, its table of theoretical weights per pattern and thickness"),
    Subtype(45, "扁豆形花纹钢板", "热轧_钢板", 22, NONE,
            NO_DATA + "：GB/T 33974-2017 扁豆形花纹钢板的理论重量表尚未收录",
            "Not carried: the pattern makes the plate heavier than 7.85 t, so only the standard's own weights "
            "count. Two write-downs agreed on few weights (2 for this pattern), and one recalls them from the older GB/T 3277-1991, "
            "so they are not shown to be this standard's.",
            needs="GB/T 33974-2017, its table of theoretical weights per pattern and thickness"),
    Subtype(46, "圆豆形花纹钢板", "热轧_钢板", 22, NONE,
            NO_DATA + "：GB/T 33974-2017 圆豆形花纹钢板的理论重量表尚未收录",
            "Not carried: the pattern makes the plate heavier than 7.85 t, so only the standard's own weights "
            "count. Two write-downs agreed on few weights (2 for this pattern), and one recalls them from the older GB/T 3277-1991, "
            "so they are not shown to be this standard's.",
            needs="GB/T 33974-2017, its table of theoretical weights per pattern and thickness"),
]

BY_ID = {s.id: s for s in SUBTYPES}
