#!/usr/bin/env python3
"""Draws a seeded sample of a bank's questions for a blind reader.

    blind-sample.py SEED COUNT SHEET KEY BANK...

Writes SHEET, the drawn questions with their three answers in a shuffled
order and nothing else, for the reader; and KEY, a tab-separated list of
each sheet number's bank, line and right letter, for whoever compares the
reader's picks. The same seed draws the same sample, so a check can be
repeated and its record traced back.
"""
import random
import sys


def lines(bank):
    with open(bank, 'rb') as f:
        text = f.read().decode('cp1252')
    return [line for line in text.split('\r\n') if line]


def main():
    seed, count, sheet, key, banks = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5:]
    rng = random.Random(seed)
    drawn = []
    for bank in banks:
        numbered = list(enumerate(lines(bank), 1))
        drawn += [(bank, number, line) for number, line in rng.sample(numbered, count)]
    rng.shuffle(drawn)
    with open(sheet, 'w', encoding='utf-8') as s, open(key, 'w', encoding='utf-8') as k:
        k.write('id\tbank\tline\tright\n')
        for n, (bank, number, line) in enumerate(drawn, 1):
            question, right, *wrong = line.split('"')[:4]
            answers = [right, *wrong]
            rng.shuffle(answers)
            s.write(f'{n}. {question}\n' + ''.join(f'   {"ABC"[i]}) {a}\n' for i, a in enumerate(answers)) + '\n')
            k.write(f'{n}\t{bank.rsplit("/", 1)[-1]}\t{number}\t{"ABC"[answers.index(right)]}\n')


if __name__ == '__main__':
    main()
