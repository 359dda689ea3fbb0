"""Writer for the carried table format: UTF-8, CRLF after every record,
every non-empty field in double quotes, empty fields as nothing."""

from decimal import Decimal, ROUND_HALF_UP


def fixed(value, decimals, blank=False):
    """Round half up to a fixed number of decimals, as printed tables do."""
    q = Decimal(1).scaleb(-decimals)
    text = str(Decimal(repr(value)).quantize(q, rounding=ROUND_HALF_UP))
    return text + (" " if blank else "")


def significant(value, digits, blank=False):
    """Round to significant digits without an exponent (101, 93.6, 0.226)."""
    d = Decimal(repr(value))
    exponent = d.adjusted()
    decimals = max(digits - 1 - exponent, 0)
    return fixed(value, decimals, blank)


def number(value):
    """A dimension as printed: no trailing zeros (7.0 -> 7, 7.5 -> 7.5)."""
    d = Decimal(repr(value)).normalize()
    text = format(d, "f")
    return text


def write_table(path, columns, rows):
    def field(text):
        if text is None or text == "":
            return ""
        for bad in ('"', "'", "\r", "\n"):
            if bad in text:
                raise ValueError(f"{path}: field {text!r} cannot be carried")
        text.encode("gbk")
        return '"' + text + '"'

    out = []
    out.append(",".join(field(c) for c in columns))
    for row in rows:
        if len(row) != len(columns):
            raise ValueError(f"{path}: row {row[0]} has {len(row)} fields")
        out.append(",".join(field(c) for c in row))
    with open(path, "wb") as f:
        f.write(("\r\n".join(out) + "\r\n").encode("utf-8"))
