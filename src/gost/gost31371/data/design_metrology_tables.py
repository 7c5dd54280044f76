#!/usr/bin/env python3
"""Writes metrology_tables.tsv: the designed tables of metrological characteristics of the methods
А, Б, В1 and В2 of GOST 31371.7-2020 (the official coefficients were not available; README.md, section
"Tables of metrological characteristics", states every rule used here).

Run once by hand after a change of the rules below; the build reads only the TSV, so a laboratory that
holds the official tables replaces the TSV rows and never needs this script.

Rules, in short:
- Measuring ranges: GOST 31371.7-2020 Table 1 (T1), with the reference-material ranges (RM0, RM1)
  where T1 is doubtful or missing, and the analysed-gas ranges of methods В1/В2 (GV) for those methods.
  Method Б starts at 0.005 mol %; its extension to 0.001 mol % is method А's row.
- Rows split at the edges of the bands of the allowed relative standard deviation (AllowedDeviation.cpp)
  and, for the three low-range components of methods В, at 0.025 mol %.
- Budget of a row: U(x) = sqrt(U_RM(x)^2 + (m * s(x) * x / 100)^2) with U_RM the permitted expanded
  uncertainty of the reference mixture, s the allowed relative standard deviation (%) of the row's band,
  m = 2 for the single-point methods А, Б and m = 3 for the calibration lines of В1, В2.
- a, b: the secant of the budget over the row (the budget is convex, so the secant lies above it), both
  rounded towards +infinity to three significant digits (which keeps the line above the budget).
"""
import math
import pathlib

# Allowed relative standard deviation of the peak areas, %, by band "up to the upper bound inclusive"
# (the same numbers as AllowedDeviation.cpp).
ALLOWED_BANDS = [(0.01, 5.0), (0.1, 2.0), (1.0, 1.0), (10.0, 0.5), (100.0, 0.2)]

# Permitted expanded uncertainty of reference mixtures U_RM = a*c + b, mol %: type СО-ИПГ (RM0) and, for
# the pseudo-component C6+ of method Б, type СО-ПГМ (RM1).
RM0 = {
    "methane": (-0.0012, 0.15), "ethane": (0.02, 8e-05), "propane": (0.03, 8e-05),
    "2_methylpropane": (0.03, 8e-05), "n_butane": (0.03, 8e-05), "2_2_dimethylpropane": (0.03, 8e-05),
    "2_methylbutane": (0.03, 8e-05), "n_pentane": (0.03, 8e-05), "c6plus": (0.03, 8e-05),
    "c6": (0.03, 8e-05), "c7": (0.03, 8e-05), "c8": (0.04, 8e-05), "benzene": (0.04, 8e-05),
    "toluene": (0.04, 8e-05), "carbon_dioxide": (0.03, 0.0004), "helium": (0.03, 8e-05),
    "hydrogen": (0.03, 8e-05), "oxygen": (0.03, 0.0004), "nitrogen": (0.02, 0.0004),
    "methanol": (0.04, 8e-05),
}
RM1 = {"c6plus": (0.05, 0.0005), "c6plusstar": (0.05, 0.0005)}

# (component, lower, upper, range source)
METHOD_A = [
    ("methane", 40, 99.97, "T1"),
    ("ethane", 0.001, 15, "T1"),
    ("propane", 0.001, 6, "T1"),
    ("2_methylpropane", 0.001, 4, "T1"),
    ("n_butane", 0.001, 4, "T1"),
    ("2_2_dimethylpropane", 0.001, 0.05, "T1 lower; RM0 upper (T1 copy reads 0.5, doubtful)"),
    ("2_methylbutane", 0.001, 2, "T1"),
    ("n_pentane", 0.001, 2, "T1"),
    ("c6", 0.001, 1, "T1 hexanes"),
    ("c7", 0.001, 0.25, "T1 heptanes"),
    ("c8", 0.001, 0.05, "T1 octanes"),
    ("benzene", 0.001, 0.05, "T1"),
    ("toluene", 0.001, 0.05, "RM0 (T1 copy truncated)"),
    ("methanol", 0.001, 0.05, "RM0"),
    ("helium", 0.001, 0.5, "T1"),
    ("hydrogen", 0.001, 0.5, "T1"),
    ("oxygen", 0.005, 2, "T1"),
    ("nitrogen", 0.005, 15, "T1 upper; RM0 lower (T1 copy reads 0.05, doubtful)"),
    ("carbon_dioxide", 0.005, 10, "T1"),
]

METHOD_B = [
    ("methane", 40, 99.97, "T1"),
    ("ethane", 0.005, 15, "T1 upper; lower of method Б"),
    ("propane", 0.005, 6, "T1 upper; lower of method Б"),
    ("2_methylpropane", 0.005, 4, "T1 upper; lower of method Б"),
    ("n_butane", 0.005, 4, "T1 upper; lower of method Б"),
    ("2_2_dimethylpropane", 0.005, 0.05, "RM0 upper; lower of method Б"),
    ("2_methylbutane", 0.005, 2, "T1 upper; lower of method Б"),
    ("n_pentane", 0.005, 2, "T1 upper; lower of method Б"),
    ("c6plus", 0.005, 1.5, "T1 C6+"),
    ("c6plusstar", 0.005, 1.5, "RM1 c6plusstar"),
    ("methanol", 0.005, 0.05, "RM0 upper; lower of method Б"),
    ("helium", 0.005, 0.5, "T1 upper; lower of method Б"),
    ("hydrogen", 0.005, 0.5, "T1 upper; lower of method Б"),
    ("oxygen", 0.005, 2, "T1"),
    ("nitrogen", 0.005, 15, "T1 upper; RM0 lower"),
    ("carbon_dioxide", 0.005, 10, "T1"),
]

METHOD_C_COMMON = [
    ("methane", 40, 99.97, "GV"),
    ("ethane", 0.005, 15, "GV"),
    ("propane", 0.005, 6, "GV"),
    ("2_methylpropane", 0.005, 4, "GV"),
    ("n_butane", 0.005, 4, "GV"),
    ("2_2_dimethylpropane", 0.005, 0.05, "GV"),
    ("2_methylbutane", 0.005, 2, "GV"),
    ("n_pentane", 0.005, 2, "GV"),
]
METHOD_C_TAIL = [
    ("methanol", 0.005, 0.05, "GV"),
    ("helium", 0.005, 0.5, "GV"),
    ("hydrogen", 0.005, 0.5, "GV"),
    ("oxygen", 0.005, 2, "GV (low range up to 0.025)"),
    ("nitrogen", 0.005, 15, "GV (low range up to 0.025)"),
    ("carbon_dioxide", 0.005, 10, "GV (low range up to 0.025)"),
]
METHOD_C1 = METHOD_C_COMMON + [
    ("c6", 0.005, 1, "GV"),
    ("c7", 0.005, 0.25, "GV"),
    ("c8", 0.005, 0.05, "GV"),
    ("benzene", 0.005, 0.05, "GV"),
    ("toluene", 0.005, 0.05, "GV"),
] + METHOD_C_TAIL
METHOD_C2 = METHOD_C_COMMON + [("c6plus", 0.005, 1.5, "GV")] + METHOD_C_TAIL

LOW_RANGE_COMPONENTS = {"oxygen", "nitrogen", "carbon_dioxide"}


def allowed_sd(x):
    for upper, value in ALLOWED_BANDS:
        if x <= upper:
            return value
    raise ValueError(x)


def round_up(value, digits=3):
    if value == 0:
        return 0.0
    exponent = math.floor(math.log10(abs(value))) - (digits - 1)
    scale = 10.0 ** exponent
    rounded = math.ceil(value / scale - 1e-9) * scale
    return float(f"{rounded:.{digits}g}")


def budget(x, rm, m, sd):
    u_rm = rm[0] * x + rm[1]
    return math.hypot(u_rm, m * sd * x / 100.0)


def edges(lower, upper, extra):
    points = sorted({lower, upper, *[e for e in [b for b, _ in ALLOWED_BANDS] + extra if lower < e < upper]})
    return list(zip(points[:-1], points[1:]))


def rows_of(method, components, m):
    out = []
    for component, lower, upper, range_source in components:
        if method == "B" and component in RM1:
            rm, rm_name = RM1[component], "RM1"
        else:
            rm, rm_name = RM0[component], "RM0"
        extra = [0.025] if method in ("C1", "C2") and component in LOW_RANGE_COMPONENTS else []
        for lo, hi in edges(lower, upper, extra):
            sd = allowed_sd((lo + hi) / 2)
            u_lo, u_hi = budget(lo, rm, m, sd), budget(hi, rm, m, sd)
            a = (u_hi - u_lo) / (hi - lo)
            b = u_lo - a * lo
            a, b = round_up(a), round_up(b)
            split = "" if (lo, hi) == (lower, upper) else f"; row {fmt(lo)}-{fmt(hi)}"
            coefficient_source = (f"D m={m:g} s={sd:g}%; {rm_name} {component} "
                                  f"U={fmt(rm[0])}c+{fmt(rm[1])}")
            out.append((method, component, fmt(lo), fmt(hi), fmt(a), fmt(b),
                        f"{fmt(lower)}-{fmt(upper)} {range_source}{split}", coefficient_source))
    return out


def fmt(value):
    return repr(float(value)) if not float(value).is_integer() else str(int(value))


HEADER = """\
# Tables of metrological characteristics of GOST 31371.7-2020, methods А (A), Б (B), В1 (C1), В2 (C2).
# Expanded absolute uncertainty (k = 2) U = a*x + b, mol %, of a component in the range lower..upper mol %.
# Rows of one component are searched for the row containing x; at a shared bound the row with the smaller
# lower bound wins (GOST style "до ... включ." / "св."). Replace these rows by the official table when
# available: the build turns this file into the library's tables (gen_metrology_tables.py).
#
# Sources of the ranges:
#   T1  GOST 31371.7-2020 Table 1, measuring ranges (distributor's transcription, secondary source)
#   RM0 permitted ranges of the certified fractions of reference mixtures of type СО-ИПГ
#   RM1 the same for type СО-ПГМ
#   GV  ranges of the analysed gas for methods В1 and В2 in the table of reference-mixture ranges
#   "lower of method Б": method Б starts at 0.005 mol %; 0.001 to 0.005 mol % is method А's row
# Sources of the coefficients (designed, not the official values):
#   D m=<m> s=<s>%: secant over the row of U(x) = sqrt(U_RM(x)^2 + (m*s*x/100)^2), a and b rounded up to
#   three significant digits; s the allowed relative standard deviation of the row's band, m = 2 for
#   methods А and Б, 3 for methods В1 and В2; U_RM the reference mixture's permitted uncertainty named.
#
# method\tcomponent\tlower_molpct\tupper_molpct\ta\tb\trange_source\tcoefficient_source
"""


def main():
    rows = (rows_of("A", METHOD_A, 2) + rows_of("B", METHOD_B, 2) + rows_of("C1", METHOD_C1, 3)
            + rows_of("C2", METHOD_C2, 3))
    path = pathlib.Path(__file__).with_name("metrology_tables.tsv")
    with path.open("w", encoding="utf-8", newline="\n") as out:
        out.write(HEADER)
        for row in rows:
            out.write("\t".join(row) + "\n")


if __name__ == "__main__":
    main()
