#!/usr/bin/env python3
"""Loads EDS files the way INI readers of CANopen tools do: Python's configparser in strict mode
(a section or a key given twice is an error), the text decoded as Windows-1252.

    eds_configparser_check.py <file.eds> ...
"""

import configparser
import sys


def main(files: list[str]) -> int:
    if not files:
        print("no EDS file given", file=sys.stderr)
        return 2
    status = 0
    for name in files:
        parser = configparser.ConfigParser(strict=True, interpolation=None)
        try:
            with open(name, encoding="cp1252", newline="") as f:
                parser.read_file(f, source=name)
        except (configparser.Error, UnicodeDecodeError) as e:
            print(f"{name}: {e}", file=sys.stderr)
            status = 1
            continue
        print(f"{name}: {len(parser.sections())} sections")
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
