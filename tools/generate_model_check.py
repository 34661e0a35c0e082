#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A second, independent model of "Tipps berechnen" (number pool, row checks, run budget) written
# straight from the rules, fed with the draws and charts that vendrilo-cli prints. It runs random
# seeds, dates and option sets through both and reports every difference in the output.
#
#   tools/generate_model_check.py path/to/vendrilo-cli [random-seed] [cases] [max-options] [filter]
#
# Exit status 1 when any case differs. The runs and the charts they read go to the CLI through one
# `vendrilo-cli batch` process. Slow where the past-win tests scan long windows for many passes
# (it scans in Python).
import subprocess, sys, datetime
from fractions import Fraction
from cli_batch import Batch, run_one

CLI = sys.argv[1]

def cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True)

BASE = datetime.date(1899, 12, 30)
def day(s):
    d, m, y = map(int, s.split('.'))
    return (datetime.date(y, m, d) - BASE).days
def fmt(n):
    d = BASE + datetime.timedelta(days=n)
    return d.strftime('%d.%m.%Y')

DRAWS = []
for line in cli('draws').stdout.splitlines():
    f = line.split(',')
    DRAWS.append((day(f[0]), [int(x) for x in f[1:7]], int(f[7]), int(f[8])))

DEFAULTS = dict(CheckBox1=0, CheckBox11=0, CheckBox6=0, CheckBox12=0, CheckBox7=0, CheckBox13=0,
    CheckBox2=0, UpDown12=30, CheckBox14=1, UpDown14=20, CheckBox10=1, UpDown13=30, CheckBox19=0,
    CheckBox15=0, CheckBox4=1, UpDown4=0, CheckBox5=1, UpDown5=1, CheckBox23=1, UpDown11=2,
    CheckBox29=0, CheckBox30=0, CheckBox3=1, UpDown3=3, CheckBox24=1, UpDown9=0, CheckBox27=0,
    CheckBox8=0, CheckBox18=1, UpDown1=50, UpDown2=250, CheckBox25=0, UpDown15=2, CheckBox26=0,
    UpDown16=2, CheckBox28=1, UpDown17=3, UpDown18=10, CheckBox34=1, UpDown20=4, UpDown21=100,
    CheckBox9=1, UpDown6=5, CheckBox22=0, UpDown10=2, UpDown7=50, UpDown8=12, CheckBox35=1, CheckBox16=1, CheckBox17=1)

class Rng:
    def __init__(s, seed): s.seed = seed & 0xffffffff
    def next(s, m):
        s.seed = (s.seed * 134775813 + 1) & 0xffffffff
        return (s.seed * m) >> 32

def rnd(fr):  # half to even
    fl = fr.numerator // fr.denominator
    rem = fr - fl
    if rem > Fraction(1, 2) or (rem == Fraction(1, 2) and fl % 2): fl += 1
    return fl

CHART_NAMES = ('pairs', 'triples', 'quads', 'numbers', 'overdue')
def chart_args(name, frm, to, filt):
    return ['--from', fmt(frm), '--date', fmt(to), *filt, 'chart', name]

CHARTS = {}  # (name, from, to, filter) -> output of `chart`, from the batch
def chart(name, frm, to):
    out = CHARTS[(name, frm, to, tuple(FILTER))].splitlines()
    ax = out[1].split()
    mn, mx = (int(ax[2]), int(ax[3])) if ax[1] == 'auto' else (int(ax[1]), int(ax[2]))
    bars = [int(l.split()[1]) for l in out[2:]]
    return bars, mn, mx

def filter_of(opts):
    o = dict(DEFAULTS); o.update(opts)
    return ['--set', 'CheckBox16=%d' % o['CheckBox16'], '--set', 'CheckBox17=%d' % o['CheckBox17']]

def draw_a(date):
    d = day(date)
    return next((i for i, r in enumerate(DRAWS) if r[0] >= d), len(DRAWS) - 1)

def run(seed, date, frm, opts):
    o = dict(DEFAULTS); o.update(opts)
    global FILTER
    FILTER = filter_of(opts)
    rng = Rng(seed)
    # draws A, B, C
    pos = draw_a(date)
    A = DRAWS[pos]
    p = max(pos - 1, 1); B = DRAWS[p]
    p = max(p - 1, 1); C = DRAWS[p]
    end = A[0]
    bytesA = A[1] + [A[2], A[3]]; bytesB = B[1] + [B[2], B[3]]; bytesC = C[1] + [C[2], C[3]]
    pool = []
    cache = {}
    def ch(n):
        if n not in cache: cache[n] = chart(n, frm, end)
        return cache[n]
    for fb, rb, name, w in (('CheckBox1', 'CheckBox11', 'pairs', 2), ('CheckBox6', 'CheckBox12', 'triples', 3), ('CheckBox7', 'CheckBox13', 'quads', 4)):
        if o[fb]:
            bars, mn, mx = ch(name)
            lo = rnd(mx - Fraction(3, 10) * (mx - mn)); hi = mx
            for k in range(1, len(bars) - w + 2):
                if lo < bars[k-1] <= hi: pool += list(range(k, k + w))
        if o[rb]:
            bars, mn, mx = ch(name)
            hi = rnd(Fraction(3, 10) * (mx - mn) + mn)
            for k in range(1, len(bars) - w + 2):
                if 0 < bars[k-1] <= hi: pool += list(range(k, k + w))
    def freq(name, pct):
        bars, mn, mx = ch(name)
        for den, t in ((100, 2), (200, 1)):
            lo = rnd(mx - Fraction(pct, den) * (mx - mn))
            for k in range(1, len(bars) + 1):
                if lo <= bars[k-1] <= mx: pool.extend([k] * t)
    if o['CheckBox2']: freq('numbers', o['UpDown12'])
    if o['CheckBox14']:
        bars, mn, mx = ch('numbers')
        for den, t in ((100, 2), (200, 1)):
            hi = rnd(Fraction(o['UpDown14'], den) * (mx - mn) + mn)
            for k in range(1, len(bars) + 1):
                if mn <= bars[k-1] <= hi: pool.extend([k] * t)
    if o['CheckBox10']: freq('overdue', o['UpDown13'])
    if o['CheckBox19']:
        for b in bytesA:
            if b >= 2: pool += [b - 1] * 4
            if b < 49: pool += [b + 1] * 4
    pool.append(0)
    if not o['CheckBox15']: pool += list(range(1, 50)) + [1]
    for box, lim, dr in (('CheckBox4', 'UpDown4', bytesA), ('CheckBox5', 'UpDown5', bytesB), ('CheckBox23', 'UpDown11', bytesC)):
        if o[lim] == 0 and o[box]:
            pool = [0 if x in dr[:7] else x for x in pool]
    if o['CheckBox29']: pool = [0 if x < 13 else x for x in pool]
    if o['CheckBox30']:
        for k in range(1, 32):
            if k in pool: pool[pool.index(k)] = 0
    total = len(pool) - 1; i = 0
    while i <= total:
        if pool[i] == 0:
            pool[i] = pool[total]; total -= 1
        else: i += 1
    pool = pool[:total + 1]
    if len(set(pool) - {0}) < 6: return None
    n = 7 if o['CheckBox35'] else 6
    def accepts(dt):
        if o['CheckBox16'] and o['CheckBox17']: return True
        wd = (BASE + datetime.timedelta(days=dt)).weekday()
        return (o['CheckBox16'] and wd in (5, 6)) or (o['CheckBox17'] and wd <= 4)
    def bits(numbers):
        m = 0
        for x in numbers: m |= 1 << x
        return m
    windows = {}  # the draws each past-win window scans; the run asks for the same few again and again
    def window(after2):
        if after2 not in windows:
            windows[after2] = [(bits(nums), nums, len(set(nums)) == len(nums), bonus)
                               for dt, nums, bonus, sz in DRAWS
                               if 2 * dt > after2 and dt <= end and accepts(dt)]
        return windows[after2]
    def nowin(tip, G, after2):  # after2: twice the exclusive lower bound
        s = set(tip); t = bits(tip)  # a candidate holds six different numbers
        for mask, nums, distinct, bonus in window(after2):
            # the drawn numbers in the tip; a number stored twice counts twice
            h = (mask & t).bit_count() if distinct else sum(1 for x in nums if x in s)
            if o['CheckBox35'] and bonus in s and bonus != 0: h += 1
            if h >= G: return False
        return True
    def check(c, QS, rows):
        if rows:
            mn, mx, viol = 6, 0, False
            for r in rows:
                ov = sum(1 for x in r if x in c)
                mn = min(mn, ov); mx = max(mx, ov)
                if o['CheckBox27'] and (ov > o['UpDown3'] or ov < o['UpDown9']): viol = True
            if (o['UpDown3'] < mn and o['CheckBox3']) or (o['UpDown9'] > mx and o['CheckBox24']) or viol: return False
        if o['CheckBox8'] and not any(c[p+1] == c[p] + 1 for p in range(5)): return False
        if o['CheckBox18'] and any(c[p+1] == c[p] + 1 and c[p+2] == c[p] + 2 for p in range(4)): return False
        if QS < o['UpDown1'] or QS > o['UpDown2']: return False
        for box, lim, dr in (('CheckBox4', 'UpDown4', bytesA), ('CheckBox5', 'UpDown5', bytesB), ('CheckBox23', 'UpDown11', bytesC)):
            if o[box] and o[lim] > 0 and sum(1 for x in dr[:n] if x in c) > o[lim]: return False
        odd = sum(x & 1 for x in c)
        if o['CheckBox25'] and 6 - odd < o['UpDown15']: return False
        if o['CheckBox26'] and odd < o['UpDown16']: return False
        if not o['CheckBox28']: return True
        if not nowin(c, o['UpDown17'], 2 * end - 7 * o['UpDown18']): return False
        if o['CheckBox34'] and not nowin(c, o['UpDown20'], 2 * end - 7 * o['UpDown21']): return False
        if o['CheckBox9'] and not nowin(c, o['UpDown6'], 2 * frm): return False
        primes = {2,3,5,7,11,13,17,19,23,29,31,37,41,43,47}
        if o['CheckBox22'] and sum(1 for x in c if x in primes) < o['UpDown10']: return False
        return True
    LaufMax = o['UpDown7'] * 1000
    passes = 0; rows = []; out = []
    for r in range(1, 13):
        c = [0] * 6
        if r == 1 or (passes < LaufMax and r <= o['UpDown8']):
            acc = False
            while not acc:
                if passes >= LaufMax: break
                passes += 1
                if 2 * passes == LaufMax: o['CheckBox8'] = 0
                if r >= 3:
                    left = LaufMax - passes
                    if left == 20000: o['UpDown6'] = 6
                    elif left == 10000: o['UpDown5'] = 2; o['UpDown4'] = 1
                    elif left == 5000: o['UpDown5'] = 3; o['UpDown4'] = 2
                c = []
                while len(c) < 6:
                    v = pool[rng.next(len(pool))]
                    if v != 0 and v not in c: c.append(v)
                QS = sum(c); c.sort()
                acc = check(c, QS, rows)
                if not acc: c = [0] * 6
        if passes >= LaufMax: c = [0] * 6
        rows.append(c)
        out.append(',,,,,' if c[0] == 0 else ','.join(map(str, c)))
    out.append('Tipps wurden neu berechnet' if passes < LaufMax else 'Ändern Sie die Parameter um 12 Tipps zuberechnen')
    out.append('passes: %d' % passes)
    return out

import random
random.seed(int(sys.argv[2]) if len(sys.argv) > 2 else 1)
cases = int(sys.argv[3]) if len(sys.argv) > 3 else 10
params = []
for case in range(cases):
    seed = random.randrange(0, 2**32)
    date = fmt(random.randrange(day('01.01.2000'), day('01.09.2026')))
    frm = random.choice([day('19.11.1994'), day('07.10.2015'), day('01.01.2010')])
    opts = {}
    for _ in range(random.randrange(0, int(sys.argv[4]) if len(sys.argv) > 4 else 6)):
        k = random.choice(list(DEFAULTS))
        if k.startswith('CheckBox'): opts[k] = random.randrange(2)
        else:
            rng_ = dict(UpDown12=(5,75),UpDown14=(5,75),UpDown13=(5,75),UpDown4=(0,5),UpDown5=(0,5),UpDown11=(0,5),UpDown3=(0,5),UpDown9=(0,5),UpDown1=(21,120),UpDown2=(150,279),UpDown15=(0,4),UpDown16=(0,4),UpDown17=(2,6),UpDown18=(4,500),UpDown20=(2,6),UpDown21=(4,500),UpDown6=(4,6),UpDown10=(0,4),UpDown7=(1,3),UpDown8=(1,12))[k]
            opts[k] = random.randint(*rng_)
    args = ['--seed', str(seed), '--date', date, '--from', fmt(frm)]
    if len(sys.argv) > 5: opts[random.choice(['CheckBox16', 'CheckBox17'])] = 0
    for k, v in opts.items(): args += ['--set', '%s=%d' % (k, v)]
    params.append((seed, date, frm, opts, args + ['generate']))

# Every chart a run may read (from the statistics start to draw A), asked for with the runs.
chart_keys = sorted({(name, frm, DRAWS[draw_a(date)][0], tuple(filter_of(opts)))
                     for seed, date, frm, opts, args in params for name in CHART_NAMES})
batch = Batch(CLI, [p[4] for p in params] + [chart_args(*key) for key in chart_keys])
results = batch.results()
runs = results[:len(params)]
for key, (status, out) in zip(chart_keys, results[len(params):]):
    CHARTS[key] = out

bad = 0
for (seed, date, frm, opts, args), (status, out) in zip(params, runs):
    exp = run(seed, date, frm, opts)
    if exp is None:
        ok = status == 3
    else:
        ok = out.splitlines() == exp
    shown = ' '.join(args[:-1])
    if not ok:
        bad += 1
        status, out, err = run_one(CLI, args)
        print('MISMATCH', shown)
        print(' got', status, out.splitlines()[-3:] if out else err)
        print(' exp', exp if exp is None else exp[-3:])
    else:
        print('ok', shown, (exp or ['-'])[-1])
print('mismatches', bad, 'of', cases)
sys.exit(1 if bad else 0)
