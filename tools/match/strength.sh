#!/bin/sh
# strength.sh BUILD_DIR OUT_DIR [JOB...]: Vesk's strength table, game records and results
# in OUT_DIR. A JOB is dD-oN (Vesk at difficulty D against opponent N at 高级, both through
# pbrain-wuzi) or self (Vesk at 高级 given 1 s a move against itself given 0.1 s); without
# jobs, all of them. Each plays the first COUNT (default 10) openings of
# data/openings-2stone.txt with both colours; run it at low priority, it takes hours.
set -eu
BUILD=$(cd "$1" && pwd)
OUT=$2
shift 2
COUNT=${COUNT:-10}
OPENINGS=$(cd "$(dirname "$0")" && pwd)/data/openings-2stone.txt
[ $# -gt 0 ] || set -- d2-o0 d2-o1 d2-o2 d2-o3 d2-o4 d1-o0 d1-o1 d1-o2 d1-o3 d1-o4 \
    d0-o0 d0-o1 d0-o2 d0-o3 d0-o4 self
mkdir -p "$OUT"
for job in "$@"; do
    case $job in
    self)
        first="$BUILD/pbrain-wuzi --opponent 5 --difficulty 2"
        second=$first
        turns="--first-turn-ms 1000 --second-turn-ms 100" ;;
    *)
        d=${job#d}
        d=${d%%-*}
        first="$BUILD/pbrain-wuzi --opponent 5 --difficulty $d"
        second="$BUILD/pbrain-wuzi --opponent ${job#*-o} --difficulty 2"
        # Vesk keeps to its difficulty's own time; the turn time only bounds it.
        turns="--turn-ms 5000" ;;
    esac
    # Two minutes beyond the turn time a move: only a fault, never a slow reply, loses.
    # shellcheck disable=SC2086
    nice "$BUILD/tools/match/match" --first "$first" --second "$second" \
        --openings "$OPENINGS" $turns --tolerance-ms 120000 --count "$COUNT" \
        --games "$OUT/games-$job.txt" >"$OUT/result-$job.txt"
    echo "$job: $(tail -1 "$OUT/result-$job.txt")"
done
