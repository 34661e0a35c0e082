#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli backtest and similarity against the independent model in tools/check_analysis.py:
# random start dates, seeds, statistics periods and option sets (among them the reuse of a sheet
# without a 3, one draw day left out, six rows, the past-win test over the whole period).
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
need_python3
# The model reads the program folder's draw file, as the tool does.
cp "$cli" "$tmp/vendrilo-cli"
"$tmp/vendrilo-cli" draws >/dev/null || fail "writing the shipped history"
if python3 "$here/../../tools/check_analysis.py" "$tmp/vendrilo-cli" 11 7; then ok; else fail "model"; fi
# Back-tests that end in the first half of 2024, inside the payout table: their money lines.
"$tmp/vendrilo-cli" draws | awk -F'[.,]' '$3 < 2024 || ($3 == 2024 && $2 <= 6)' | wc -l >"$tmp/count"
head -c $(($(cat "$tmp/count") * 32)) "$tmp/ZahlenPL.dat" >"$tmp/to2024.dat"
if python3 "$here/../../tools/check_analysis.py" "$tmp/vendrilo-cli" 2024 3 "$tmp/to2024.dat"; then
    ok
else
    fail "model up to June 2024"
fi

# The Part's own example of the report: started today, no pass, zeros.
"$tmp/vendrilo-cli" --today 08.12.2026 --date 08.12.2026 --seed 5 backtest >"$tmp/zero" ||
    fail "backtest today: exit $?"
{
    echo "Aktuelle Einstellung brachten für Sa. bzw. Mi."
    for i in 0 1 2 3 4 5; do
        printf '%dx\t=>\t0\t=>\t0\n%dx + Bonus\t=>\t0\t=>\t0\n' $i $i
    done
    printf '6x\t=>\t0\t=>\t0\n\n0 Ziehungen\n'
    printf '\nZiehung, Tipps, Einsatz und Gewinn in zł (- wo die Gewinnquoten der Ziehung nicht '
    printf 'bekannt sind)\n\nEinsatz in allen Ziehungen: 0.00 zł\n'
    printf 'Ziehungen mit bekannten Gewinnquoten: 0\nEinsatz in diesen Ziehungen: 0.00 zł\n'
    printf 'Gewinn in diesen Ziehungen: 0.00 zł\nRückfluss (Gewinn / Einsatz): -\n'
} | diff -u - "$tmp/zero" && ok || fail "backtest today"
# Both draw-day boxes ticked: one pass per stored draw day after the first draw on or after the
# start, and one more, which scores the last draw a second time.
days=$("$tmp/vendrilo-cli" draws | awk -F, '{ split($1, d, "."); k = d[3] d[2] d[1] }
    k >= "20260101" { print k }' | sort -u | wc -l)
passes=$("$tmp/vendrilo-cli" --today 08.12.2026 --date 01.01.2026 --seed 5 backtest |
    grep -E '^[0-9]+ Ziehungen$')
[ "$passes" = "$days Ziehungen" ] && [ "$days" -gt 90 ] && ok || fail "passes: $passes, days: $days"
"$tmp/vendrilo-cli" similarity --threshold zwei >/dev/null 2>&1
[ $? -eq 2 ] && ok || fail "similarity --threshold zwei: not a usage error"
finish analysis_model
