#!/bin/sh
# strength.sh BUILD_DIR OUT_DIR [JOB...]: Vesk's strength table, game records and results
# in OUT_DIR. A JOB is dD-oN (vesk-brain at difficulty D against pbrain-wuzi's opponent N
# at 高级, 2 s a move at D=2 and 0.5 s otherwise) or self (Vesk at 1 s against Vesk at
# 0.1 s); without jobs, all of them. Each plays the first ten openings of
# data/openings-2stone.txt with both colours; run it at low priority, it takes hours.
set -eu
BUILD=$(cd "$1" && pwd)
OUT=$2
shift 2
OPENINGS=$(cd "$(dirname "$0")" && pwd)/data/openings-2stone.txt
[ $# -gt 0 ] || set -- d2-o0 d2-o1 d2-o2 d2-o3 d2-o4 d1-o0 d1-o1 d1-o2 d1-o3 d1-o4 \
    d0-o0 d0-o1 d0-o2 d0-o3 d0-o4 self
mkdir -p "$OUT"
for job in "$@"; do
    case $job in
    self)
        first="$BUILD/vesk-brain --turn-ms 1000"
        second="$BUILD/vesk-brain --turn-ms 100"
        turn=1000 ;;
    *)
        d=${job#d}
        d=${d%%-*}
        first="$BUILD/vesk-brain --difficulty $d"
        second="$BUILD/pbrain-wuzi --opponent ${job#*-o} --difficulty 2"
        turn=$([ "$d" = 2 ] && echo 2000 || echo 500) ;;
    esac
    # The design opponents do not keep to the turn time: they are given two minutes.
    nice "$BUILD/tools/match/match" --first "$first" --second "$second" \
        --openings "$OPENINGS" --turn-ms "$turn" --tolerance-ms 120000 --count 10 \
        --games "$OUT/games-$job.txt" >"$OUT/result-$job.txt"
    echo "$job: $(tail -1 "$OUT/result-$job.txt")"
done
