#!/usr/bin/env bash
# Exported workbooks and CSV files opened by LibreOffice (headless) and
# converted to CSV: a file it had to repair or could not read fails here.
# Skipped (status 77) where LibreOffice is not installed: the package
# libreoffice-calc-nogui is large and not part of the usual set-up.
# Usage: export_libreoffice_test.sh AMORTIX_CLI
set -euo pipefail

cli=$1
if ! command -v soffice >/dev/null 2>&1; then
  echo "SKIPPED: soffice not found (install libreoffice-calc-nogui to run this test)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A profile of its own, so that a running LibreOffice or a first-start dialog cannot interfere.
profile="file://$work/profile"

"$cli" schedule --principal 300000 --rate 5 --view all --dates 2025-03-01 --rate-change 6:6 \
  --rounding lender --format xlsx --output "$work/schedule.xlsx"
"$cli" schedule --principal 300000 --rate 5 --view all --dates 2025-03-01 --rate-change 6:6 \
  --rounding lender --format csv --output "$work/schedule.csv"
"$cli" compare --row "" --row "--frequency biweekly-acc --extra 1:5000" --currency "€" \
  --format xlsx --output "$work/compare.xlsx"
"$cli" compare --row "" --row "--frequency biweekly-acc --extra 1:5000" --format csv --output "$work/compare.csv"
"$cli" afford --solve principal --payment 1000 --format xlsx --output "$work/afford.xlsx"
"$cli" afford --solve principal --payment 1000 --format csv --output "$work/afford.csv"

# Every sheet of every file (filter token 12: -1) to CSV, the cells as they
# are shown (token 9), so the workbooks' number formats show too; in one run,
# as LibreOffice takes seconds to start.
export LC_ALL=C.UTF-8
if ! (cd "$work" && timeout 300 soffice -env:UserInstallation="$profile" --headless --norestore \
    --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1" --outdir out \
    schedule.xlsx schedule.csv compare.xlsx compare.csv afford.xlsx afford.csv) >"$work/soffice.log" 2>&1; then
  cat "$work/soffice.log"
  echo "0 passed, 1 failed"
  exit 1
fi

failed=0
passed=0
expect() {  # FILE TEXT: the converted file holds the text
  if [ -f "$work/out/$1" ] && grep -qF -- "$2" "$work/out/$1"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $1 lacks: $2"
    failed=$((failed + 1))
  fi
}

sheets=$(grep -c "^Writing sheet" "$work/soffice.log" || true)
if [ "$sheets" -ne 9 ] || grep -i "error" "$work/soffice.log"; then
  echo "FAIL: LibreOffice wrote $sheets sheets of 9:"
  cat "$work/soffice.log"
  failed=$((failed + 1))
fi

# The workbooks' figures as their formats show them: amounts in the symbol,
# percentages, dates.
expect "schedule-Schedule.csv" '1,1,2025-03-01,"$1,250.00",$503.77,$0.00,"$299,496.23"'
expect "schedule-Summary.csv" 'Annual interest rate,5.000%'
expect "schedule-Rate changes.csv" '6,1,6.000%,Recalculate,61,Yes,"$1,903.85"'
expect "compare-Comparison.csv" '2,"€100,000.00",10.125%,25.00,Monthly,Biweekly(Acc),365,26,€458.76'
expect "compare-Additional payments.csv" '2,1,1,"€5,000.00"'
expect "afford-Affordability.csv" 'Principal,"$148,102.70"'
# The CSV files as plain numbers and ISO dates.
expect "schedule-schedule.csv" '1,1,2025-03-01,1250,503.77,0,299496.23'
expect "compare-compare.csv" '2,100000,10.125,25,Monthly,Biweekly(Acc),365,26,458.76366038138'
expect "afford-afford.csv" 'Principal,148102.697854738,6.5,25,1000'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
