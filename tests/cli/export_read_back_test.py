#!/usr/bin/python3
"""Reads amortix-cli's exported workbooks (openpyxl) and CSV files (csv) back
and checks that they hold the numbers --format json gives for the same
options: every row of every sheet, the inputs and results, the rate changes
and additional payments, and the cell formats a spreadsheet shows them in.

Usage: export_read_back_test.py AMORTIX_CLI
"""

import csv
import datetime
import json
import math
import subprocess
import sys
import tempfile
from pathlib import Path

import openpyxl

CLI = sys.argv[1]
FAILURES = []

SCHEDULES = [
    # name, options, currency symbol
    ("monthly, annual view", "--principal 250000 --rate 6.25 --years 30", "$"),
    ("dates, increase and additional payments",
     "--view all --dates 2024-01-31 --increase 5 --extra 1:5000 --extra 3:1234.50 --extra-month 4", "$"),
    ("rate changes, renewed and kept",
     "--principal 300000 --rate 5 --compounding semiannual --view all --dates 2025-03-01 "
     "--rate-change 6:6 --rate-change 3/7:5.5:keep", "$"),
    ("lender rounding", "--principal 100000 --rate 6 --view all --rounding lender", "\u00a3"),
    ("rate changes with lender rounding, annual view",
     "--principal 180000 --rate 4.5 --frequency biweekly-acc --rate-change 5:5.75 --rounding lender", "$"),
    ("weekly over 40 years", "--years 40 --frequency weekly-acc --days 364 --view all --dates 2026-01-05", "$"),
    ("personal loan", "--mode loan --principal 20000 --rate 9.5 --months 30 --view all", "\u20ac"),
    ("a quote in the symbol", "--principal 1000 --rate 3 --years 1 --view all", 'R"'),
    ("years shown, typed days, a change never reached",
     "--years 10 --view all --term-years 5 --rate-change 15:6 --days-typed 364.3 --frequency 1-week", "$"),
]

COMPARISONS = [
    ("three variants", ["", "--frequency biweekly-acc", "--rate 8 --extra 1:5000"]),
    ("rate changes and rounding",
     ["--principal 300000 --rate 5 --rate-change 6:6", "--rate-change 3/7:5.5:keep --rounding lender",
      "--frequency weekly-acc --days 365.25 --increase 2 --extra 2:1000 --extra 4:2500 --extra-month 6"]),
]

AFFORDS = [
    ("principal", "--solve principal --payment 1000 --rate 6.5 --years 25"),
    ("payment, weekly", "--solve payment --principal 250000 --rate 5.25 --years 30 --frequency weekly-acc "
                        "--compounding semiannual --days 364"),
    ("years, monthly", "--solve years --principal 100000 --payment 700 --frequency monthly"),
    ("payment too small", "--solve years --payment 541"),
]

# Sheet columns by the JSON names of the same figures.
SCHEDULE_COLUMNS = {
    "Payment": "number", "Year": "year", "Date": "date", "Interest": "interest", "Principal": "principal",
    "Additional payment": "extra", "Balance": "balance", "Cumulative interest": "cumulative_interest",
    "Cumulative principal": "cumulative_principal", "Rate %": "rate",
}
SCHEDULE_SUMMARY = {
    "Interest rate factor": "rate_factor", "Payments each year": "payments_per_year",
    "Principal + interest payment": "payment", "Payment of the normal monthly mortgage": "monthly_payment",
    "Added by the increase": "increase_amount", "Years to final payment": "years_to_final",
    "Months to final payment": "years_to_final", "Total paid": "total_paid",
    "Interest saved": "interest_saved", "Payment increase": "increase_caption", "Days in year": "days_in_year",
}
RATE_CHANGE_COLUMNS = {
    "Row": None, "Year": "year", "Month": "month", "Rate %": "rate", "Payment change": "payment_change",
    "First payment": "first_payment", "Reached": "reached", "New payment": "payment",
}
COMPARISON_COLUMNS = {
    "Row": "number", "Principal": "principal", "Rate %": "rate", "Years": "years",
    "Compounding": "compounding", "Frequency": "frequency", "Days in year": "days_in_year",
    "Payments each year": "payments_per_year", "Payment": "payment", "Increase %": "increase",
    "Payments": "payments", "Retired in year": "retired_year", "Total interest": "total_interest",
    "Additional payments": None, "Rounding": "rounding",
}
AFFORD_FIELDS = {
    "Principal": "principal", "Monthly payment": "payment", "Amortization period (years)": "years",
    "Total interest": "total_interest", "Payments each year": "payments_per_year",
    "Days in year": "days_in_year", "Years to final payment": "years_to_final", "Each payment": "each_payment",
    "Interest saved": "interest_saved", "Accelerated total interest": "accelerated_total_interest",
}
PERCENT_HEADERS = {"Rate %", "Increase %", "Annual interest rate", "Payment increase"}
# The command line's names of choices, as the lists (and the export) show them.
WORDS = {
    "recalculate": "Recalculate", "keep": "Keep", "exact": "Exact", "lender": "Rounded as lenders do",
    "monthly": "Monthly", "bimonthly": "Bimonthly", "quarterly": "Quarterly", "semiannual": "Semiannual",
    "annual": "Annual", "semimonthly": "Semimonthly", "2-weeks": "2 Weeks", "1-week": "1 Week",
    "biweekly-acc": "Biweekly(Acc)", "weekly-acc": "Weekly(Acc)",
}
CHECKS = [0]


def check(condition, what):
    CHECKS[0] += 1
    if not condition:
        FAILURES.append(what)
    return condition


def run(args):
    done = subprocess.run(f"{CLI} {args}", shell=True, capture_output=True, text=True, check=False)
    return done.returncode, done.stdout, done.stderr


def same(got, want, what, percent=False, rel_tol=1e-12):
    """A cell against the JSON's figure: numbers to a few units in the last
    place, percentages as the spreadsheet stores them (0.10125 for 10.125),
    dates as ISO texts, words as the export writes them."""
    if want is None:
        # Days in year where they play no part; a figure the run emptied.
        return check(got in (None, "", "Normal"), f"{what}: {got!r} where the JSON has nothing")
    if isinstance(want, bool):
        return check(got == ("Yes" if want else "No"), f"{what}: {got!r}, JSON {want!r}")
    if isinstance(want, str):
        if isinstance(got, datetime.datetime):
            got = got.date().isoformat()
        return check(got == WORDS.get(want, want), f"{what}: {got!r}, JSON {want!r}")
    if isinstance(got, str):
        try:
            got = float(got)
        except ValueError:
            return check(False, f"{what}: {got!r} is no number, JSON {want!r}")
    if got is None:
        return check(False, f"{what}: empty, JSON {want!r}")
    if percent:
        got = got * 100
    return check(math.isclose(got, want, rel_tol=rel_tol, abs_tol=1e-9), f"{what}: {got!r}, JSON {want!r}")


def sheet_rows(ws):
    rows = list(ws.iter_rows(values_only=True))
    return list(rows[0]), [list(r) for r in rows[1:]]


def check_look(ws, name, symbol):
    """Frozen header row, bold headers, amounts in the symbol, rates as
    percentages and dates as dates."""
    check(ws.freeze_panes == "A2", f"{name}: header row not frozen ({ws.freeze_panes})")
    headers = [c.value for c in ws[1]]
    check(all(c.font.b for c in ws[1]), f"{name}: headers not bold")
    for col, header in enumerate(headers, start=1):
        width = ws.column_dimensions[openpyxl.utils.get_column_letter(col)].width
        check(width and width >= len(str(header)), f"{name}: column {header} is {width} wide")
    for row in ws.iter_rows(min_row=2, max_row=min(ws.max_row, 40)):
        for header, cell in zip(headers, row):
            if isinstance(cell.value, datetime.datetime):
                check(cell.number_format == "yyyy-mm-dd", f"{name}/{header}: date as {cell.number_format}")
            elif header in PERCENT_HEADERS and isinstance(cell.value, float):
                check(cell.number_format == "0.000%", f"{name}/{header}: rate as {cell.number_format}")
            elif header in ("Interest", "Balance", "Total interest", "Amount"):
                check(symbol in cell.number_format and "#,##0.00" in cell.number_format,
                      f"{name}/{header}: amount as {cell.number_format}")


def compare_table(headers, rows, want_rows, columns, name, percent_in_cells):
    check(len(rows) == len(want_rows), f"{name}: {len(rows)} rows, JSON {len(want_rows)}")
    for r, (row, want) in enumerate(zip(rows, want_rows)):
        for header, value in zip(headers, row):
            key = columns.get(header)
            if key is None or key not in want:
                continue
            percent = percent_in_cells and header in PERCENT_HEADERS
            same(value, want[key], f"{name} row {r + 1} {header}", percent)


def quoted(text):
    return "'" + text.replace("'", "'\\''") + "'"


def schedule_case(name, options, symbol, folder):
    options += f" --currency {quoted(symbol)}"
    status, out, err = run(f"schedule {options} --format json")
    if not check(status == 0, f"{name}: json status {status}: {err}"):
        return
    j = json.loads(out)
    book_path = folder / "schedule.xlsx"
    status, out, err = run(f"schedule {options} --format xlsx --output {book_path}")
    check(status == 0 and out == "", f"{name}: xlsx status {status}, output {out!r}: {err}")
    book = openpyxl.load_workbook(book_path)
    want_sheets = ["Summary", "Schedule"] + (["Rate changes"] if j["summary"]["rate_changes"] else [])
    check(book.sheetnames == want_sheets, f"{name}: sheets {book.sheetnames}")

    headers, rows = sheet_rows(book["Schedule"])
    compare_table(headers, rows, j["rows"], SCHEDULE_COLUMNS, f"{name}/Schedule", True)
    check_look(book["Schedule"], f"{name}/Schedule", symbol)
    check(("Date" in headers) == (j["rows"][0]["date"] is not None), f"{name}: Date column {headers}")

    _, items = sheet_rows(book["Summary"])
    found = {label: value for label, value in items}
    for label, key in SCHEDULE_SUMMARY.items():
        if label in found:
            # Typed days are single precision: the export has them as typed (364.3), the JSON
            # as the float's double (364.29998779296875).
            same(found[label], j["summary"][key], f"{name}/Summary {label}", label in PERCENT_HEADERS,
                 rel_tol=1e-7 if label == "Days in year" else 1e-12)
    check("Principal + interest payment" in found, f"{name}: summary without the payment")
    messages = [f"Message {m['number']}" for m in j["messages"]]
    check([k for k in found if k.startswith("Message ")] == messages, f"{name}: messages {found}")

    if "Rate changes" in book.sheetnames:
        headers, rows = sheet_rows(book["Rate changes"])
        compare_table(headers, rows, j["summary"]["rate_changes"], RATE_CHANGE_COLUMNS,
                      f"{name}/Rate changes", True)

    csv_path = folder / "schedule.csv"
    status, out, err = run(f"schedule {options} --format csv --output {csv_path}")
    check(status == 0 and out == "", f"{name}: csv status {status}: {err}")
    raw = csv_path.read_bytes()
    check(raw.count(b"\r\n") == len(j["rows"]) + 1 and b"\n" not in raw.replace(b"\r\n", b""),
          f"{name}: CSV lines not ended by CR LF")
    with open(csv_path, newline="", encoding="utf-8") as f:
        lines = list(csv.reader(f))
    compare_table(lines[0], lines[1:], j["rows"], SCHEDULE_COLUMNS, f"{name}/CSV", False)
    shown = subprocess.run(f"{CLI} schedule {options} --format csv", shell=True, capture_output=True, check=False)
    check(shown.stdout == raw, f"{name}: CSV on standard output differs from the file")


def compare_case(name, rows, folder):
    row_options = " ".join(f"--row '{r}'" for r in rows)
    status, out, err = run(f"compare {row_options} --format json")
    if not check(status == 0, f"{name}: json status {status}: {err}"):
        return
    j = json.loads(out)
    book_path = folder / "compare.xlsx"
    status, out, err = run(f"compare {row_options} --currency '\u00a3' --format xlsx --output {book_path}")
    check(status == 0 and out == "", f"{name}: xlsx status {status}: {err}")
    book = openpyxl.load_workbook(book_path)
    changes = [dict(c, row=r["number"]) for r in j["rows"] for c in r["rate_changes"]]
    want_sheets = ["Comparison", "Additional payments"] + (["Rate changes"] if changes else [])
    check(book.sheetnames == want_sheets, f"{name}: sheets {book.sheetnames}")
    headers, got = sheet_rows(book["Comparison"])
    compare_table(headers, got, j["rows"], COMPARISON_COLUMNS, f"{name}/Comparison", True)
    check_look(book["Comparison"], f"{name}/Comparison", "\u00a3")
    for r, row in enumerate(got):
        applied = sum(e["amount"] for e in j["extra_payments"] if e["row"] == r + 1)
        same(row[headers.index("Additional payments")], applied, f"{name} row {r + 1} additional payments")
    headers, got = sheet_rows(book["Additional payments"])
    compare_table(headers, got, j["extra_payments"],
                  {"Row": "row", "Year": "year", "Month": "month", "Amount": "amount"},
                  f"{name}/Additional payments", True)
    if changes:
        headers, got = sheet_rows(book["Rate changes"])
        compare_table(headers, got, changes, dict(RATE_CHANGE_COLUMNS, Row="row"), f"{name}/Rate changes", True)

    csv_path = folder / "compare.csv"
    status, out, err = run(f"compare {row_options} --format csv --output {csv_path}")
    check(status == 0 and out == "", f"{name}: csv status {status}: {err}")
    with open(csv_path, newline="", encoding="utf-8") as f:
        lines = list(csv.reader(f))
    compare_table(lines[0], lines[1:], j["rows"], COMPARISON_COLUMNS, f"{name}/CSV", False)


def afford_case(name, options, folder):
    status, out, err = run(f"afford {options} --format json")
    if not check(status == 0, f"{name}: json status {status}: {err}"):
        return
    j = json.loads(out)
    book_path = folder / "afford.xlsx"
    status, out, err = run(f"afford {options} --format xlsx --output {book_path}")
    check(status == 0 and out == "", f"{name}: xlsx status {status}: {err}")
    book = openpyxl.load_workbook(book_path)
    check(book.sheetnames == ["Affordability"], f"{name}: sheets {book.sheetnames}")
    _, items = sheet_rows(book["Affordability"])
    found = {label: value for label, value in items}
    csv_path = folder / "afford.csv"
    status, out, err = run(f"afford {options} --format csv --output {csv_path}")
    check(status == 0 and out == "", f"{name}: csv status {status}: {err}")
    with open(csv_path, newline="", encoding="utf-8") as f:
        header, values = list(csv.reader(f))
    check(header == list(found), f"{name}: CSV header {header} is not the sheet's items {list(found)}")
    for label, key in AFFORD_FIELDS.items():
        same(found.get(label), j["summary"][key], f"{name}/sheet {label}")
        same(dict(zip(header, values)).get(label), j["summary"][key], f"{name}/CSV {label}")
    same(found.get("Message"), j["message_line"], f"{name}/sheet message line")


def main():
    with tempfile.TemporaryDirectory() as temp:
        folder = Path(temp)
        for name, options, symbol in SCHEDULES:
            schedule_case(f"schedule {name}", options, symbol, folder)
        for name, rows in COMPARISONS:
            compare_case(f"compare {name}", rows, folder)
        for name, options in AFFORDS:
            afford_case(f"afford {name}", options, folder)
    for failure in FAILURES[:50]:
        print("FAIL:", failure)
    print(f"{CHECKS[0] - len(FAILURES)} passed, {len(FAILURES)} failed")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
