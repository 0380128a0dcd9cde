#!/usr/bin/env bash
# The guide exists, opens with a contents page, and explains every status text the controller shows.
set -euo pipefail
pdf="$1"; src="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -s "$pdf" ] || fail "no guide at $pdf"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" -ge 5 ] || fail "guide has only $pages pages"
pdfinfo "$pdf" | grep -q "595 x 842 pts (A4)" || fail "guide is not A4"
pdftotext -f 2 -l 2 "$pdf" - | grep -q "Contents" || fail "page 2 is not the contents page"
# Every page keeps its text searchable: no ligature may swallow letters of the text layer.
pdftotext -f 1 -l 1 "$pdf" - | grep -q "Programming utility for 406 MHz" || fail "the title page's text layer lost letters"
# Page numbers in the footer: the last page carries its own number.
pdftotext -f "$pages" -l "$pages" "$pdf" - | grep -qw "$pages" || fail "last page has no page number"
text=$(pdftotext -raw "$pdf" - | tr -s '[:space:]' ' ')
# Every text the controller shows (status lines and boxes), taken from its source so that a new
# one must be documented. Pieces of longer texts (ending in a word and a blank) and texts with
# quotes are left out; "Read failed. Please retry: " is matched up to its colon.
mapfile -t statuses < <(grep -ohP 'tr\("\K[^"\\]+(?=")' "$src/app/epirbapp.cpp" "$src/session/programmingsession.cpp" \
    | grep -v '[[:alnum:]] $' | sed 's/[[:space:]]*$//' | sort -u)
[ "${#statuses[@]}" -ge 10 ] || fail "found only ${#statuses[@]} status texts in the controller"
missing=0
for s in "${statuses[@]}"; do
    # %1, %2 stand for what the guide writes in italics (a hex ID, a reason).
    pattern=${s//%[1-9]/\*}
    case "$text" in *$pattern*) ;; *) echo "not in the guide: $s" >&2; missing=1 ;; esac
done
[ $missing -eq 0 ] || fail "status texts missing from the guide"
echo "guide: $pages pages, ${#statuses[@]} status texts explained"
