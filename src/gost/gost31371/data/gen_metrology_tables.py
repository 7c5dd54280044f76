#!/usr/bin/env python3
"""Turns metrology_tables.tsv into the C++ tables of the library (MetrologyTables.gen.cpp).

Usage: gen_metrology_tables.py <metrology_tables.tsv> <output.cpp>

Input lines: method TAB component TAB lower TAB upper TAB a TAB b TAB range source TAB coefficient
source; '#' starts a comment line. The input is checked before anything is written: method one of A, B,
C1, C2; the component a lower-case ASCII identifier of at most 63 characters; the four numbers finite,
0 <= lower < upper <= 100; both sources present (every row states where it comes from); every method has
at least one row. The sources go into the generated file as a comment beside each row and, joined by a
tab, as the row's source text, which the library writes back when it exports the table.
"""
import math
import re
import sys
import pathlib

METHODS = ["A", "B", "C1", "C2"]
IDENTIFIER = re.compile(r"[a-z0-9_]{1,63}\Z")


class InputError(Exception):
    pass


def number(text, what, line_number):
    try:
        value = float(text)
    except ValueError:
        raise InputError(f"line {line_number}: {what} '{text}' is not a number")
    if not math.isfinite(value):
        raise InputError(f"line {line_number}: {what} '{text}' is not finite")
    return value


def read_rows(path):
    rows = {method: [] for method in METHODS}
    for line_number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 8:
            raise InputError(f"line {line_number}: 8 tab-separated fields expected, found {len(fields)}")
        method, component, lower, upper, a, b, range_source, coefficient_source = fields
        if method not in rows:
            raise InputError(f"line {line_number}: unknown method '{method}'")
        if not IDENTIFIER.match(component):
            raise InputError(f"line {line_number}: bad component identifier '{component}'")
        values = [number(text, what, line_number)
                  for text, what in ((lower, "lower"), (upper, "upper"), (a, "a"), (b, "b"))]
        if not 0 <= values[0] < values[1] <= 100:
            raise InputError(f"line {line_number}: range {lower}-{upper} is not within 0..100 mol %")
        if not range_source.strip() or not coefficient_source.strip():
            raise InputError(f"line {line_number}: the row does not name its sources")
        if "*/" in range_source + coefficient_source:
            raise InputError(f"line {line_number}: a source may not contain '*/'")
        rows[method].append((component, lower, upper, a, b, range_source, coefficient_source))
    for method, method_rows in rows.items():
        if not method_rows:
            raise InputError(f"method {method} has no rows")
    return rows


def literal(text):
    value = float(text)
    return repr(value) if "e" in repr(value) or "." in repr(value) else repr(value) + ".0"


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t") + '"'


def write_source(rows, output):
    out = ["// Generated from metrology_tables.tsv by gen_metrology_tables.py: do not edit; edit the table.",
           '#include "gost/gost31371/MetrologyTables.h"', "", "#include <iterator>", "",
           "namespace gost31371 {", "namespace {", ""]
    for method in METHODS:
        out.append(f"constexpr MetrologyRow kMethod{method}[] = {{")
        for component, lower, upper, a, b, range_source, coefficient_source in rows[method]:
            out.append(f'    /* range {range_source}; coefficients {coefficient_source} */')
            out.append(f'    {{u"{component}", {literal(lower)}, {literal(upper)}, {literal(a)}, {literal(b)}}},')
        out.append("};")
        out.append(f"constexpr const char* kMethod{method}Sources[] = {{")
        for component, lower, upper, a, b, range_source, coefficient_source in rows[method]:
            out.append(f"    {c_string(range_source + chr(9) + coefficient_source)},")
        out.append("};")
        out.append("")
    out.append("} // namespace")
    out.append("")
    out.append("TableView DefaultTable(Method method) {")
    out.append("    switch (method) {")
    for method in METHODS:
        out.append(f"    case Method::{method}:")
        out.append(f"        return {{kMethod{method}, kMethod{method}Sources, static_cast<int32_t>(std::size(kMethod{method}))}};")
    out.append("    }")
    out.append("    return {nullptr, nullptr, 0};")
    out.append("}")
    out.append("")
    out.append("} // namespace gost31371")
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_text("\n".join(out) + "\n", encoding="utf-8")


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        rows = read_rows(pathlib.Path(argv[1]))
    except InputError as error:
        print(f"{argv[1]}: {error}", file=sys.stderr)
        return 1
    write_source(rows, pathlib.Path(argv[2]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
