"""The public transcriptions of printed tables in ../shared/reference/, read
at generation time (never copied into the project)."""

import csv
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.environ.get("SB_REFERENCE_DIR") or os.path.normpath(os.path.join(HERE, "..", "..", "..", "shared", "reference"))


def rows(folder, name):
    path = os.path.join(ROOT, folder, name)
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def plain(text):
    """A printed number without trailing zeros ("7.20" -> "7.2", "2.0" -> "2")."""
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text
