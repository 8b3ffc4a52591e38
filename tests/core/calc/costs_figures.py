#!/usr/bin/env python3
"""Independent figures for the costs tests, worked with the decimal module.

Nothing here reads the program's code or output: each figure comes from the
rule it names (the annuity, the Appendix J equation, the premium table, the
minimum down payment, the 78 % and midpoint rule), so a test that agrees with
it checks the program against a second calculation. Run it and compare with
the rows of costs_test.cpp, insurance_test.cpp and apr_test.cpp.
"""

from decimal import Decimal as D, getcontext, ROUND_HALF_UP

getcontext().prec = 60


def cents(x):
    return x.quantize(D("0.01"), rounding=ROUND_HALF_UP)


def solve(f, lo=D(0), hi=D(1)):
    """The root of a function that falls as its argument rises."""
    while f(hi) > 0:
        hi *= 2
    for _ in range(250):
        mid = (lo + hi) / 2
        if f(mid) > 0:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


def appendix_j(amount, payments, full=1, fraction=D(0)):
    """Rate per unit-period: payments[k] falls full + k unit-periods plus the
    fraction after the advance (the general equation of Appendix J (b)(8))."""

    def excess(i):
        total = D(0)
        for k, p in enumerate(payments):
            total += p / ((1 + fraction * i) * (1 + i) ** (full + k))
        return total - amount

    return solve(excess)


def monthly_rate(rate, per_year):
    return (1 + rate / per_year) ** (per_year / D(12)) - 1


def period_rate(rate, per_year, periods):
    return (1 + rate / per_year) ** (per_year / periods) - 1


def schedule(principal, i, payment, limit):
    """Rows of (interest, principal part, balance after); the last payment
    takes what is left."""
    rows, b = [], principal
    for _ in range(limit):
        if b <= 0:
            break
        interest = b * i
        part = payment - interest
        if part >= b:
            part = b
        b -= part
        rows.append((interest, part, b))
    return rows


def show(title, value):
    print(f"{title}: {value}")


print("== Regulation Z Appendix J (c): the APRs to two decimals")
for name, amount, pay, n, per_year, full, frac in [
    ("(c)(1)(i)", D(5000), D(230), 24, 12, 1, D(0)),
    ("(c)(1)(ii)", D(6000), D(200), 36, 12, 1, D(19) / 30),
    ("(c)(1)(iii)", D(5000), D("219.17"), 24, 24, 0, D(6) / 15),
    ("(c)(1)(iv)", D(10000), D(385), 40, 4, 1, D(39) / 90),
    ("(c)(1)(v)", D(500), D("17.60"), 30, 52, 4, D(4) / 7),
]:
    i = appendix_j(amount, [pay] * n, full, frac)
    show(name, cents(i * per_year * 100))
# (c)(5)(i): one payment, 255 days: the unit-period is the term.
i = D(1080) / D(1000) - 1
show("(c)(5)(i)", cents(i * D(365) / D(255) * 100))

print("== HP 12C handbook, section 12, APR with fees")
for name, loan, rate, years, fee in [
    ("Example 1: 2 points", D(60000), D("0.115"), 30, D(60000) * D("0.02")),
    ("Example 2: $150", D(60000), D("0.115"), 30, D(150)),
    ("12c Platinum Example 2: $750", D(160000), D("0.055"), 30, D(750)),
]:
    i = rate / 12
    n = 12 * years
    pay = loan * i / (1 - (1 + i) ** -n)
    apr = appendix_j(loan - fee, [pay] * n) * 12
    show(name + " payment", cents(pay))
    show(name + " APR", cents(apr * 100))

print("== The note rate: no fees, the APR is the rate per payment period times")
print("   the unit-periods a year (12, 24, 26, 52)")
for comp_name, c in [("monthly", 12), ("semiannual", 2), ("annual", 1)]:
    for freq, per_year, periods in [("monthly", 12, D(12)), ("semimonthly", 24, D(24)),
                                    ("2-weeks/365", 26, D("26.07142857")),
                                    ("1-week/365", 52, D("52.14285714"))]:
        i = period_rate(D("0.06"), D(c), periods)
        show(f"6% {comp_name} {freq}", i * per_year * 100)

BANDS = [(D(80), D(0)), (D(85), D("2.80")), (D(90), D("3.10")), (D(95), D("4.00"))]


def premium(price, down):
    """The 25-year column above 80 %: the loan before the premium picks the band."""
    loan = price - down
    ltv = cents(loan / price * 100)
    rate = next(r for edge, r in BANDS if ltv <= edge)
    return ltv, rate, cents(loan * rate / 100)


print("== A Canadian purchase, worked end to end")
# 500,000 home, 25,000 down, 5 % compounded semiannually, monthly over 25
# years; premium 4.00 % with 8 % sales tax in cash; 1 point in cash; 1,000
# lender fee added to the loan; 1,500 closing costs in cash; home costs.
price, down = D(500000), D(25000)
ltv, prate, prem = premium(price, down)
tax = cents(prem * D("0.08"))
lender = D(1000)
principal = price - down + prem + lender
points = cents(principal * D("0.01"))
i = monthly_rate(D("0.05"), D(2))
pay = principal * i / (1 - (1 + i) ** -300)
rows = schedule(principal, i, pay, 300)
interest = sum(r[0] for r in rows)
financed = principal - points - lender - prem - tax
flows = [r[0] + r[1] for r in rows]
ip = appendix_j(financed, flows)
show("ltv, premium rate, premium, tax", (ltv, prate, prem, tax))
show("principal", principal)
show("points", points)
show("payment", pay)
show("payments", len(rows))
show("total interest", cents(interest))
show("amount financed", financed)
show("APR %", ip * 12 * 100)
show("effective annual %", ((1 + ip) ** 12 - 1) * 100)
show("cash at closing", down + points + D(1500) + tax)
charges = points + lender
insurance = prem + tax
show("cost of borrowing (interest, charges, insurance, total)",
     (cents(interest), charges, insurance, cents(interest) + charges + insurance))
interest5 = sum(r[0] for r in rows[:60])
show("5-year cost of borrowing (interest, total)", (cents(interest5), cents(interest5) + charges + insurance))
monthly = [cents(pay), D(3600) / 12, D(1200) / 12, D(300), D(100)]
show("monthly cost parts", monthly)
show("monthly cost", cents(pay) + D(3600) / 12 + D(1200) / 12 + D(300) + D(100))

print("== A United States purchase with monthly mortgage insurance")
# 400,000 home, 20,000 down, 6.5 % compounded monthly over 30 years, mortgage
# insurance 0.5 % a year of the loan, paid monthly until the payment at whose
# date it ends: the balance after it at 78 % of the price, or the payment after
# the middle of the amortization.
price, down = D(400000), D(20000)
principal = price - down
i = D("0.065") / 12
pay = principal * i / (1 - (1 + i) ** -360)
rows = schedule(principal, i, pay, 360)
pmi = cents(principal * D("0.005") / 12)
auto = next(k + 1 for k, r in enumerate(rows) if r[2] <= D("0.78") * price + D("0.005"))
request = next(k + 1 for k, r in enumerate(rows) if r[2] <= D("0.80") * price + D("0.005"))
auto = min(auto, (360 + 1) // 2 + 1)
flows = [r[0] + r[1] + (pmi if k + 1 < auto else 0) for k, r in enumerate(rows)]
ip = appendix_j(principal, flows)
show("payment", pay)
show("premium each month", pmi)
show("ends automatically at payment, on request at payment", (auto, request))
show("premiums paid", (auto - 1) * pmi)
show("APR %", ip * 12 * 100)
interest = sum(r[0] for r in rows)
show("cost of borrowing (interest, insurance, total)",
     (cents(interest), (auto - 1) * pmi, cents(interest) + (auto - 1) * pmi))
interest10 = sum(r[0] for r in rows[:120])
show("10-year cost of borrowing (interest, insurance)", (cents(interest10), 120 * pmi))

print("== US insurance ends for 237,500 on a 250,000 home over 30 years")
for rate in ["6", "11", "13"]:
    i = D(rate) / 1200
    rows = schedule(D(237500), i, D(237500) * i / (1 - (1 + i) ** -360), 360)
    r80 = next(k + 1 for k, r in enumerate(rows) if r[2] <= D(200000) + D("0.005"))
    r78 = next(k + 1 for k, r in enumerate(rows) if r[2] <= D(195000) + D("0.005"))
    show(f"{rate}%: 80 % at, 78 % at (the midpoint rule gives 181)", (r80, r78))

print("== Points added to the loan: what the purchase needs over 1 - points")
for base in [D(240000), D(241600)]:
    loan = cents(base / (1 - D("0.02")))
    show("loan, points", (loan, loan - base))
