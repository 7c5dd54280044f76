#!/usr/bin/env python3
"""Prints HTML reports to PDF as a browser does and checks, from the text of each PDF page, that they
paginate like a certificate:

- a table of eight rows or fewer stays on one page with its heading;
- a longer table starts on the page of its heading with at least its first three rows, and its last
  page holds at least three of its rows (no row left alone);
- no word of a column heading is broken.

usage: check_report_pages.py OUT_DIR REPORT.html...
Exit status 0 when every report passes, 1 otherwise (each failure is printed)."""

import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
PREVIEW = os.path.join(HERE, "..", "..", "scripts", "report-preview.sh")
SHORT_TABLE_ROWS = 8
LEADING_ROWS = 3


def text_of(element):
    return " ".join("".join(element.itertext()).split())


def tables_of(report):
    """(heading, column headings, row keys) of every table of the report, in document order."""
    root = ElementTree.parse(report).getroot()
    tables = []
    for block in root.iter("div"):
        if block.get("class") != "block":
            continue
        heading = text_of(block.find("h2"))
        table = block.find("table")
        columns = [text_of(th) for th in table.find("thead").iter("th")]
        rows = []
        for tr in table.find("tbody").iter("tr"):
            cells = [text_of(td) for td in tr.iter("td") if "flag" not in (td.get("class") or "").split()]
            # A row is found by the start of its first cell (a long word may wrap) and its last cell,
            # which a line of the repeated column headings does not hold.
            first = cells[0].split()[0][:10] if cells and cells[0] else ""
            rows.append((first, cells[-1] if len(cells) > 1 else ""))
        tables.append((heading, columns, rows))
    return tables


def page_lines(pdf):
    pages = int(re.search(r"Pages:\s+(\d+)", subprocess.run(
        ["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout).group(1))
    lines = []
    for page in range(1, pages + 1):
        text = subprocess.run(["pdftotext", "-layout", "-f", str(page), "-l", str(page), pdf, "-"],
                              check=True, capture_output=True, text=True).stdout
        lines.extend((page, line) for line in text.splitlines())
    return lines


def check(report, out_dir):
    name = os.path.basename(report)
    pdf = subprocess.run(["bash", PREVIEW, report, out_dir], check=True, capture_output=True,
                         text=True).stdout.splitlines()[0]
    lines = page_lines(pdf)
    tables = tables_of(report)
    failures = []
    start = 0
    heading_at = []
    for heading, _, _ in tables:
        found = next((i for i in range(start, len(lines)) if lines[i][1].strip() == heading), None)
        if found is None:
            failures.append(f"{name}: the heading '{heading}' is not in the PDF text")
            return failures
        heading_at.append(found)
        start = found + 1
    heading_at.append(len(lines))

    for index, (heading, columns, rows) in enumerate(tables):
        region = lines[heading_at[index]:heading_at[index + 1]]
        heading_page = region[0][0]
        row_pages = []
        position = 1
        for key in rows:
            found = next((i for i in range(position, len(region))
                          if key[0] in region[i][1] and key[1] in region[i][1]), None)
            if found is None:
                failures.append(f"{name}: '{heading}': row '{' … '.join(key)}' not found")
                break
            row_pages.append(region[found][0])
            position = found + 1
        if len(row_pages) != len(rows):
            continue
        if len(rows) <= SHORT_TABLE_ROWS:
            if any(page != heading_page for page in row_pages):
                failures.append(f"{name}: '{heading}' ({len(rows)} rows) is split: heading on page "
                                f"{heading_page}, rows on pages {row_pages}")
        else:
            if any(page != heading_page for page in row_pages[:LEADING_ROWS]):
                failures.append(f"{name}: '{heading}' starts with fewer than {LEADING_ROWS} rows under "
                                f"its heading: rows on pages {row_pages}")
            if row_pages.count(row_pages[-1]) < LEADING_ROWS:
                failures.append(f"{name}: '{heading}' leaves fewer than {LEADING_ROWS} rows on its last "
                                f"page: rows on pages {row_pages}")
        region_text = "\n".join(line for _, line in region)
        for column in columns:
            for word in re.findall(r"\w{3,}", column):
                if not re.search(r"(?<!\w)" + re.escape(word) + r"(?!\w)", region_text):
                    failures.append(f"{name}: '{heading}': the column heading word '{word}' is broken")
    return failures


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    out_dir = sys.argv[1]
    failures = []
    for report in sys.argv[2:]:
        failures.extend(check(report, out_dir))
    for failure in failures:
        print(failure)
    print(f"{len(sys.argv) - 2} report(s) checked, {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
