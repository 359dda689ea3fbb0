"""Writes SOURCES.md and the program's provenance table from provenance.py."""

import provenance
from provenance import CLASS_TEXT, NONE, Subtype

INTRO = """# Where the size tables come from

Written by `tools/size_tables/generate.py` from `tools/size_tables/provenance.py`,
the same list that the program's provenance table (`catalogue/provenance_table.inc`,
the remark line's tooltip) is written from; do not edit by hand. The tests in
`tests/sizetables` check the tables.

Classes: *printed* — the standard's printed table; *transcribed* — a public
transcription of the printed table in `../shared/reference/` (its README gives
provenance and checks); *rebuilt from the size series* — the standard's sizes
written down and the derived columns computed with its formulas; *only the
catalogue's fixed rows* — the rows the catalogue itself gives; *no rows yet*.
"Carried" counts the rows the table holds, "expected" the rows the
catalogue's layout gives the subtype.
"""


def complete(catalogue):
    """Every subtype of the catalogue, with a 'no rows yet' entry where the list has none."""
    ids = [s.id for s in provenance.SUBTYPES]
    if len(ids) != len(set(ids)):
        raise ValueError("a subtype is listed twice in provenance.py")
    out = []
    for sid, name, table in catalogue:
        s = provenance.BY_ID.get(sid)
        if s is None:
            s = Subtype(sid, name, table, None, NONE, provenance.NO_DATA + "：尚未收录该子类的尺寸表",
                        "Not carried yet: the table is not built.")
        elif s.name != name or s.table != table:
            raise ValueError(f"subtype {sid}: {s.name}/{s.table} against the catalogue's {name}/{table}")
        out.append(s)
    return out


def write_sources_md(path, subtypes, carried, built_tables):
    lines = [INTRO]
    order = []
    for s in subtypes:
        if s.table not in order:
            order.append(s.table)
    built = [t for t in order if t in built_tables]
    for table in built:
        lines.append(f"## {table}\n")
        for s in sorted((s for s in subtypes if s.table == table), key=lambda s: s.id):
            n = carried.get(s.id, 0)
            count = f"carried {n} of {s.expected} rows" if s.expected is not None else f"carried {n} rows"
            lines.append(f"- **{s.id} {s.name}** — {CLASS_TEXT[s.cls]}; {count}.")
            lines.append(f"  Shown as: {s.line}")
            for paragraph in s.notes.split("\n\n"):
                lines.append("  " + " ".join(paragraph.split()))
            for e in s.errata:
                lines.append(f"  Erratum: {e}.")
            if s.needs:
                lines.append(f"  Needs: {s.needs}.")
            lines.append("")
    rest = [s for s in subtypes if s.table not in built]
    lines.append("## Tables not built yet\n")
    for table in [t for t in order if t not in built]:
        ids = ", ".join(f"{s.id} {s.name}" for s in rest if s.table == table)
        lines.append(f"- {table}: {ids} — no rows yet.")
    lines.append("")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


def c_string(text):
    text.encode("gbk")  # the program shows it through the GBK boundary
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_provenance_table(path, subtypes, carried):
    kinds = {"printed": "Printed", "transcribed": "Transcribed", "rebuilt": "Rebuilt", "fixed": "FixedRowsOnly",
             "none": "NoRows"}
    out = ["// Written by tools/size_tables/generate.py from provenance.py; do not edit.",
           "// subtype, class, rows carried, source line (UTF-8)"]
    for s in sorted(subtypes, key=lambda s: s.id):
        n = carried.get(s.id, 0)
        if (n == 0) != (s.cls == NONE):
            raise ValueError(f"subtype {s.id}: class {s.cls} with {n} rows")
        out.append(f"{{{s.id}, ProvenanceClass::{kinds[s.cls]}, {n}, {c_string(s.line)}}},")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")
