#!/usr/bin/env python3
"""Independent figures for the qualification tests, worked with the decimal module.

Nothing here reads the program's code or output. The largest loan is found
band by band, in closed form: within a premium band the payment is the loan
times a factor, so the loan before the premium is the room left for the
payment over (factor times 1 + premium), capped by the band's edge and by
the minimum down payment; the best band's figure is rounded down to the cent.
Run it and compare with the rows of qualify_test.cpp.
"""

from decimal import Decimal as D, getcontext, ROUND_HALF_UP, ROUND_FLOOR

getcontext().prec = 50

BANDS = [(D(65), D("0.60"), D("0.80")), (D(75), D("1.70"), D("1.90")), (D(80), D("2.40"), D("2.60")),
         (D(85), D("2.80"), D("3.00")), (D(90), D("3.10"), D("3.30")), (D(95), D("4.00"), D("4.20"))]


def cents(x):
    return x.quantize(D("0.01"), rounding=ROUND_HALF_UP)


def floor_cents(x):
    return x.quantize(D("0.01"), rounding=ROUND_FLOOR)


def monthly_factor(rate, comp, years):
    """Monthly payment of a loan of 1: rate compounded `comp` times a year."""
    r = D(rate) / 100
    i = (1 + r / comp) ** (D(comp) / 12) - 1
    n = comp * years
    v = 1 / (1 + r / comp) ** n
    return i / (1 - v)


def minimum_down(price):
    if price >= 1500000:
        return price / 5
    return D("0.05") * min(price, D(500000)) + D("0.10") * max(price - 500000, D(0))


def largest_price_for_down(down):
    """The largest price in cents (below 1,500,000) whose minimum down payment,
    to the cent, is at most `down`."""
    if down <= 25000:
        price = floor_cents(down / D("0.05"))
    else:
        price = floor_cents(min(D(500000) + (down - 25000) / D("0.10"), D("1499999.99")))
    while cents(minimum_down(price + D("0.01"))) <= down and price < D("1499999.99"):
        price += D("0.01")
    return price


def band_cap(down, edge):
    """The largest loan in cents whose loan-to-value, stated to the hundredth
    of a percent, is at most `edge`: below edge + 0.005."""
    cap = floor_cents(down * (edge + D("0.005")) / (100 - edge - D("0.005")))
    while cap > 0 and (cap / (cap + down) * 100).quantize(D("0.01"), rounding=ROUND_HALF_UP) > edge:
        cap -= D("0.01")
    return cap


def canada(income, debts, cards, tax, heat, condo, down, rate, years, comp=2, gds=39, tds=44, stress=True,
           add=2, floor=D("5.25")):
    inc = D(income) / 12
    housing = D(tax) / 12 + D(heat) + D(condo) / 2
    other = D(debts) + D(cards) * D("0.03")
    q = max(D(rate) + add, D(floor)) if stress else D(rate)
    room_g = D(gds) / 100 * inc - housing
    room_t = D(tds) / 100 * inc - housing - other
    room = min(room_g, room_t)
    binding = "tds" if room_t < room_g else "gds"
    if room <= 0:
        return None
    f = monthly_factor(q, comp, years)
    down = D(down)
    best = None
    lower = D(0)
    for edge, p25, p30 in [(D(80), D(0), D(0))] + BANDS[3:]:
        p = p25 if years <= 25 else p30
        cap = band_cap(down, edge)
        if edge > 80:
            cap = min(cap, largest_price_for_down(down) - down)
        base = floor_cents(min(cap, room / f / (1 + p / 100)))
        while base > 0 and (base + cents(base * p / 100)) * f > room:
            base -= D("0.01")
        ltv = (base / (base + down) * 100).quantize(D("0.01"), rounding=ROUND_HALF_UP)
        if base > 0 and (edge == 80 or ltv > 80) and (best is None or base > best[0]):
            best = (base, p)
        lower = edge
    base, p = best
    premium = cents(base * p / 100)
    loan = base + premium
    qpay = loan * f
    g = (qpay + housing) / inc * 100
    t = (qpay + housing + other) / inc * 100
    pay = loan * monthly_factor(rate, comp, years)
    return dict(binding=binding, q=q, loan=loan, price=base + down, premium=premium, gds=g, tds=t,
                payment=pay, qpayment=qpay, needed=cents(minimum_down(base + down)))


def us(income, debts, tax, insurance, hoa, down, rate, years, pmi=D("0.5"), gds=28, tds=36):
    inc = D(income) / 12
    housing = D(tax) / 12 + D(insurance) / 12 + D(hoa)
    room_g = D(gds) / 100 * inc - housing
    room_t = D(tds) / 100 * inc - housing - D(debts)
    room = min(room_g, room_t)
    binding = "tds" if room_t < room_g else "gds"
    f = monthly_factor(rate, 12, years)
    down = D(down)
    # Without insurance: at most 80 % of the price; with it the insurance a month joins the payment.
    plain = floor_cents(min(band_cap(down, D(80)), room / f))
    insured = floor_cents(room / (f + pmi / 1200))
    while (insured * f + cents(insured * pmi / 1200)) > room:
        insured -= D("0.01")
    if insured / (insured + down) * 100 > 80:
        loan, mi = insured, cents(insured * pmi / 1200)
    else:
        loan, mi = plain, D(0)
    g = (loan * f + mi + housing) / inc * 100
    t = g + D(debts) / inc * 100
    return dict(binding=binding, loan=loan, price=loan + down, mi=mi, gds=g, tds=t, payment=loan * f)


def show(name, r):
    print(name)
    for k, v in r.items():
        print("   ", k, round(v, 6) if isinstance(v, D) else v)


if __name__ == "__main__":
    # The binding ratio as the debts grow (income 100,000, tax 3,600, heating 120, down 150,000, 5 % over 25).
    for debts in (0, 300, 400, 1000):
        show(f"canada debts {debts}", canada(100000, debts, 0, 3600, 120, 0, 150000, 5, 25))
    # Card balances count at 3 %: 10,000 is 300 a month.
    show("canada cards 10000", canada(100000, 0, 10000, 3600, 120, 0, 150000, 5, 25))
    # The floor: 3 % + 2 is below 5.25; 4 % + 2 above it; without the test the contract rate.
    show("canada floor 3", canada(100000, 0, 0, 3600, 120, 0, 150000, 3, 25))
    show("canada plus2 4", canada(100000, 0, 0, 3600, 120, 0, 150000, 4, 25))
    show("canada no stress 4", canada(100000, 0, 0, 3600, 120, 0, 150000, 4, 25, stress=False))
    # A down payment just under 20 % of the price the income buys: the premium of the 85 % band; just
    # over it none.
    show("canada down 95000", canada(100000, 0, 0, 3600, 120, 0, 95000, 5, 25))
    show("canada down 101100", canada(100000, 0, 0, 3600, 120, 0, 101100, 5, 25))
    # The down payment limits the price: 5 % of it, to the cent.
    show("canada down 20000", canada(100000, 0, 0, 3600, 120, 0, 20000, 5, 25))
    # Half the condominium fees; two incomes.
    show("canada condo 400 two incomes", canada(70000, 200, 0, 3600, 120, 400, 150000, 5, 25))
    # United States: 28 % binds without debts, 36 % with them; below 20 % down the insurance.
    show("us debts 0", us(100000, 0, 3600, 1200, 0, 150000, 6.5, 30))
    show("us debts 800", us(100000, 800, 3600, 1200, 0, 150000, 6.5, 30))
    show("us down 20000", us(100000, 0, 3600, 1200, 0, 20000, 6.5, 30))
