#!/usr/bin/env python3
"""The expected figures of prepayments_test.cpp, worked out apart from the engine.

A monthly mortgage is run payment by payment in decimal arithmetic (60 digits):
the monthly rate from the nominal rate and its compounding, the level payment by
the annuity formula A = B i / (1 - (1 + i)^-N), each month's interest on the
balance before it, prepayments added to the principal up to what is still owed,
a renewal's payment re-amortized over the months left of the period, and a
recast (lower the payment) likewise after a one-time amount. Lender rounding
keeps the payment and each interest in whole cents, halves away from zero.

Run it: python3 tests/core/calc/prepayment_figures.py
"""

from decimal import ROUND_HALF_UP, Decimal, getcontext

getcontext().prec = 60
CENT = Decimal("0.01")


def monthly_rate(percent, compounding):
    r = Decimal(percent) / 100
    c = Decimal(compounding)
    return (1 + r / c) ** (c / 12) - 1


def annuity(balance, i, months):
    if i == 0:
        return balance / months
    return balance * i / (1 - (1 + i) ** -months)


def run(principal, percent, compounding, years, recurring=None, once=None, recast=False,
        changes=None, cents=False, increase=0):
    """recurring: (amount, first, last) payment numbers; once: {payment: [amounts]};
    changes: {payment: (percent, recalculate)}."""
    once = once or {}
    changes = changes or {}
    months = int(years * 12)
    i = monthly_rate(percent, compounding)
    rnd = (lambda x: x.quantize(CENT, ROUND_HALF_UP)) if cents else (lambda x: x)

    def level(balance, rate, left):
        a = annuity(balance, rate, left)
        a = a * (1 + Decimal(increase) / 100)
        return rnd(a)

    a = level(Decimal(principal), i, months)
    first_payment = a
    b = Decimal(principal)
    interest_total = Decimal(0)
    paid_extra = Decimal(0)
    new_payments = {}
    k = 0
    while b >= (CENT / 2 if cents else Decimal("0.00005")) and k < months:
        k += 1
        if k in changes:
            p, recalculate = changes[k]
            i = monthly_rate(p, compounding)
            if recalculate:
                a = level(b, i, months - (k - 1))
                new_payments[("renewal", k)] = a
        interest = rnd(b * i)
        q = a - interest
        owed = b - q
        extra = Decimal(0)
        amounts = []
        if recurring and recurring[1] <= k <= recurring[2]:
            amounts.append(Decimal(recurring[0]))
        amounts += [Decimal(x) for x in once.get(k, [])]
        paid_once = False
        for idx, amount in enumerate(amounts):
            taken = min(amount, max(owed, Decimal(0)))
            owed -= taken
            extra += taken
            if taken > 0 and (idx > 0 or not (recurring and recurring[1] <= k <= recurring[2])):
                paid_once = True
        b -= q + extra
        paid_extra += extra
        interest_total += interest
        if recast and paid_once and b > 0:
            a = level(b, i, months - k)
            new_payments[("recast", k)] = a
    return {"payments": k, "interest": interest_total, "first_payment": first_payment,
            "left": b, "extra": paid_extra, "new_payments": new_payments}


def show(name, with_, without=None):
    print(name)
    print("  payments", with_["payments"], " interest", round(with_["interest"], 6),
          " first payment", round(with_["first_payment"], 6), " extra", with_["extra"])
    for key, value in with_["new_payments"].items():
        print("  ", key, round(value, 6))
    if without:
        print("  without: payments", without["payments"], " interest", round(without["interest"], 6))
        print("  interest saved", round(without["interest"] - with_["interest"], 6),
              " months sooner", without["payments"] - with_["payments"])


# 1. $100 more with every payment from the first, 200,000 at 6 % over 30 years.
base = run(200000, "6", 12, 30)
show("recurring 100 from the first payment", run(200000, "6", 12, 30, recurring=(100, 1, 10**9)), base)
show("recurring 100, lender rounding", run(200000, "6", 12, 30, recurring=(100, 1, 10**9), cents=True),
     run(200000, "6", 12, 30, cents=True))
show("recurring 100 in years 2 to 5", run(200000, "6", 12, 30, recurring=(100, 13, 60)), base)

# 2. Two lump sums of 8,000 in year 3 (months 3 and 9), 100,000 at 10.125 % over 25 years.
base = run(100000, "10.125", 12, 25)
show("two lump sums in year 3", run(100000, "10.125", 12, 25, once={27: [8000], 33: [8000]}), base)
show("two lump sums in the same month", run(100000, "10.125", 12, 25, once={27: [8000, 8000]}), base)
show("a lump sum above the balance", run(100000, "10.125", 12, 25, once={100: [500000]}), base)

# 3. A recast: 300,000 at 5 % compounded semiannually over 25 years, 20,000 with payment 49.
base = run(300000, "5", 2, 25)
show("recast after 20,000 with payment 49",
     run(300000, "5", 2, 25, once={49: [20000]}, recast=True), base)
show("shorten with 20,000 with payment 49", run(300000, "5", 2, 25, once={49: [20000]}), base)

# 5. A prepayment in the year of a renewal: the same mortgage renewed at 6 % from
# payment 61, 10,000 with payment 55 (year 5) and 10,000 with payment 67 (year 6).
renewal = {61: ("6", True)}
base = run(300000, "5", 2, 25, changes=renewal)
show("renewal year, shorten",
     run(300000, "5", 2, 25, once={55: [10000], 67: [10000]}, changes=renewal), base)
show("renewal year, lower the payment",
     run(300000, "5", 2, 25, once={55: [10000], 67: [10000]}, changes=renewal, recast=True), base)
show("renewal year, 10,000 with the renewal's first payment",
     run(300000, "5", 2, 25, once={61: [10000]}, changes=renewal), base)

# 4. The increase limit: 100,000 at 6 % monthly over 25 years pays 644.3014; 10 % of it is 64.43.
print("payment 100,000 at 6 % over 25 years", round(run(100000, "6", 12, 25)["first_payment"], 6))

# 6. Paid off by a lump sum with a recurring amount before it: 50 from payment 18
# (year 2 month 6) to payment 99 (year 9 month 3), 500,000 with payment 100.
r = run(100000, "10.125", 12, 25, recurring=(50, 18, 99), once={100: [500000]})
show("recurring then a lump sum above the balance", r)
print("  the lump sum as paid", round(r["extra"] - 82 * 50, 6))

# 7. Every kind at once (the texts' example): 5,000 with payment 1, 8,000 with
# payments 27 and 33 (year 3, months 3 and 9), 100 more from payment 13 to 60.
base = run(100000, "10.125", 12, 25)
show("every kind at once",
     run(100000, "10.125", 12, 25, recurring=(100, 13, 60), once={1: [5000], 27: [8000], 33: [8000]}), base)

# 8. Recasts in whole cents that pay more interest than no prepayment. One goes
# back to the period's end: 26,725.27 at 26.013 % (3 periods a year) over 34
# years ends 2 payments early; 2.67 with payment 253 (year 22) and a lower
# payment re-amortize over the 155 months left, so it ends with payment 408.
# In the other, 12,908.96 at 0.898 % over 36 years, the payment rounds up to
# 34.98 and, after 1.29 with the first payment, the recast's down to 34.97.
show("a recast back to the period's end, lender rounding",
     run("26725.27", "26.013", 3, 34, once={253: ["2.67"]}, recast=True, cents=True),
     run("26725.27", "26.013", 3, 34, cents=True))
show("a recast's payment rounded down, lender rounding (34.98, then 34.97)",
     run("12908.96", "0.898", 3, 36, once={1: ["1.29"]}, recast=True, cents=True),
     run("12908.96", "0.898", 3, 36, cents=True))
