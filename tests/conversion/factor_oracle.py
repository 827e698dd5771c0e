#!/usr/bin/env python3
"""Works out every exact factor the engine uses, from the unit definitions the probe prints, with Python's
fractions (and pi to 50 digits with decimal), and checks that the engine's double is the correctly rounded
one, bit for bit. Its own reader of the definitions' expressions: nothing of the engine's code path.

Usage: factor_oracle.py PROBE
"""
import decimal
import re
import subprocess
import sys
from fractions import Fraction

decimal.getcontext().prec = 60
PI = Fraction(decimal.Decimal('3.14159265358979323846264338327950288419716939937510'))


def tokens(text):
    return re.findall(r'\d+(?:\.\d+)?|[A-Za-z_]+|[()*/^-]', text)


def evaluate(text, units):
    """The size in SI of an expression: products by juxtaposition or '*', '/' left to right, '^' powers."""
    items = tokens(text)
    position = 0

    def peek():
        return items[position] if position < len(items) else None

    def factor():
        nonlocal position
        item = peek()
        position += 1
        if item == '(':
            value = product()
            assert peek() == ')', text
            position += 1
        elif re.fullmatch(r'\d+(?:\.\d+)?', item):
            value = Fraction(item)
        elif item == 'pi':
            value = PI
        else:
            definition = units[item]
            value = Fraction(1) if definition == '' else evaluate(definition, units)
        if peek() == '^':
            position += 1
            sign = 1
            if peek() == '-':
                sign = -1
                position += 1
            value = value ** (sign * int(items[position]))
            position += 1
        return value

    def product():
        nonlocal position
        value = factor()
        while peek() is not None and peek() != ')':
            if peek() == '/':
                position += 1
                value /= factor()
            else:
                if peek() == '*':
                    position += 1
                value *= factor()
        return value

    result = product()
    assert position == len(items), text
    return result


def main():
    lines = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout.splitlines()
    units = {}
    checked = 0
    wrong = []
    for line in lines:
        fields = line.split('\t')
        if fields[0] == 'unit':
            units[fields[1]] = fields[2]
            continue
        _, category, source, target, engine = fields
        expected = float(evaluate(source, units) / evaluate(target, units))
        if float.fromhex(engine) != expected:
            wrong.append(f'{category} {source} -> {target}: engine {float.fromhex(engine)!r}, exact {expected!r}')
        checked += 1
    for problem in wrong[:20]:
        print(problem)
    print(f'{checked - len(wrong)} passed, {len(wrong)} failed')
    return 1 if wrong or checked == 0 else 0


if __name__ == '__main__':
    sys.exit(main())
