#!/usr/bin/env bash
# Renders an HTML report as it prints: a PDF (A4, the report's own page rules) and one PNG per page,
# with headless Chromium, for a person to look at.
#
#   bash scripts/report-preview.sh REPORT.html [OUT_DIR]
#
# Writes OUT_DIR/REPORT.pdf and OUT_DIR/REPORT-N.png (OUT_DIR defaults to the report's folder) and prints
# their paths. Needs the packages chromium and poppler-utils (scripts/setup.sh installs them).
set -euo pipefail
if [ $# -lt 1 ] || [ ! -f "$1" ]; then
    echo "usage: bash scripts/report-preview.sh REPORT.html [OUT_DIR]" >&2
    exit 1
fi
report=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=${2:-$(dirname "$report")}
mkdir -p "$out"
out=$(cd "$out" && pwd)
stem=$(basename "$report" .html)
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ] || ! command -v pdftoppm >/dev/null; then
    echo "report-preview: chromium and pdftoppm are needed (bash scripts/setup.sh installs them)" >&2
    exit 1
fi
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
# A fresh profile, no sandbox (CI runs as root), no header or footer lines of the browser's own.
"$browser" --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --user-data-dir="$profile" \
    --no-pdf-header-footer --print-to-pdf="$out/$stem.pdf" "file://$report" >/dev/null 2>&1
rm -f "$out/$stem"-*.png
pdftoppm -r 96 -png "$out/$stem.pdf" "$out/$stem"
echo "$out/$stem.pdf"
ls "$out/$stem"-*.png
