#!/usr/bin/env python3
"""Writes the placeholder name lists of the data folder (code page 936, CRLF).

Each name says what it stands for: the record number in decimal and in the
hexadecimal form the game uses. Run from the repository root.
"""
import pathlib

LISTS = {
    "unit.txt": (427, "机体 {n:03d} ({n:03X})"),
    "unit2.txt": (1413, "机体代码 {n:04d} ({n:03X})"),
    "weapon.txt": (3560, "武器 {n:04d} ({n:03X})"),
    "weapon2.txt": (1628, "武器 {n:04d} ({n:03X})"),
    "pilot.txt": (382, "机师 {n:03d} ({n:03X})"),
    "pilot2.txt": (1315, "机师代码 {n:04d} ({n:03X})"),
}

# The last weapon name stands for an empty slot (stored as FFFF).
SPECIAL = {("weapon.txt", 3559): "（空）无武器 (FFFF)"}


def main() -> None:
    data = pathlib.Path("data")
    data.mkdir(exist_ok=True)
    for name, (count, pattern) in LISTS.items():
        lines = [SPECIAL.get((name, n), pattern.format(n=n)) for n in range(count)]
        (data / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp936"))


if __name__ == "__main__":
    main()
