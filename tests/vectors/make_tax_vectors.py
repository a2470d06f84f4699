#!/usr/bin/env python3
"""Writes tax.txt: TAX+ and TAX- over a seeded range of amounts and rates, worked out with
Python's exact decimal arithmetic, independently of the calculator's code.

Rounding follows the calculator's documented rule: the magnitude is rounded by looking at
the first dropped digit only (Up: any digit but 0, Mathematical: 5 or more, Down: never).

    python3 tests/vectors/make_tax_vectors.py > tests/vectors/tax.txt
"""
import decimal
import random
from decimal import Decimal

decimal.getcontext().prec = 80
PLACES = {"fixed2": 2, "fixed3": 3}
TYPES = ["up", "math", "down"]


def round_shown(value, places, rounding):
    """The value at `places` fraction digits, rounded as the calculator rounds."""
    magnitude = abs(value)
    unit = Decimal(1).scaleb(-places)
    kept = magnitude.quantize(unit, rounding=decimal.ROUND_DOWN)
    first_dropped = int((magnitude - kept).scaleb(places + 1)) % 10
    up = (rounding == "up" and first_dropped != 0) or (rounding == "math" and first_dropped >= 5)
    if up:
        kept += unit
    return -kept if value < 0 and kept != 0 else kept


def shown(value, places):
    """As the panel shows it: a leading '-', ',' between groups of three, '.' before the
    fraction."""
    text = f"{abs(value):,.{places}f}"
    return "-" + text if value < 0 else text


def amount(rng):
    digits = rng.choice([1, 2, 3, 4, 5, 6, 7, 9])
    fraction = rng.choice([0, 1, 2, 3])
    value = Decimal(rng.randrange(10 ** digits)).scaleb(-fraction)
    return -value if rng.random() < 0.15 else value


def rate(rng):
    fixed = ["0", "19", "7.5", "100", "0.0001", "16", "8.875", "99.9999"]
    if rng.random() < 0.4:
        return Decimal(rng.choice(fixed))
    return Decimal(rng.randrange(100 * 10 ** 4 + 1)).scaleb(-4)


def plain(value):
    """The shortest writing of the value, as typed."""
    return format(value.normalize(), "f")


def main():
    rng = random.Random(24)
    print("# TAX+ and TAX- at a rate, as the panel shows them (written by make_tax_vectors.py).")
    print("#   id key amount rate mode type -> taken tax result")
    print("# key add: taken = net, result = gross; key remove: taken = gross, result = net.")
    print("# The amount is typed as written; the rate is the TAX_RATE setting.")
    case = 0
    for mode, places in PLACES.items():
        for rounding in TYPES:
            for _ in range(40):
                value = amount(rng)
                percent = rate(rng)
                taken = round_shown(value, places, rounding)
                case += 1
                tax = round_shown(taken * percent / 100, places, rounding)
                print(f"t{case} add {plain(value)} {plain(percent)} {mode} {rounding} -> "
                      f"{shown(taken, places)} {shown(tax, places)} {shown(taken + tax, places)}")
                case += 1
                net = round_shown(taken / (1 + percent / 100), places, rounding)
                print(f"t{case} remove {plain(value)} {plain(percent)} {mode} {rounding} -> "
                      f"{shown(taken, places)} {shown(taken - net, places)} {shown(net, places)}")


if __name__ == "__main__":
    main()
