#!/usr/bin/env bash
# Times korvane-gen as whole processes at 32767 components: list, resave, java, java over an
# edited Java file (a merge, with the design as it was and after a change) and import on a
# mixed design and on a worst-case one, with the floor (cat, cp of the same bytes) measured in
# the same run. Each figure is the median CPU time (user + system) and the median peak resident
# memory of REPEAT runs, taken with /usr/bin/time, so that other work on the machine changes
# it little.
#
#   bench/process_bench.sh [BUILD_DIR] [OLD_KORVANE_GEN]
#
# With OLD_KORVANE_GEN, that program is timed as well, and the outputs of both (list, resave,
# and java for all eight targets) are compared byte for byte; any difference fails the run.
set -euo pipefail
build=${1:-build}
old=${2:-}
repeat=${REPEAT:-5}
gen="$build/src/cli/korvane-gen"
designs="$build/bench/korvane-bench-designs"
for tool in "$gen" "$designs" /usr/bin/time; do
  [ -x "$tool" ] || { echo "missing $tool (build first; /usr/bin/time is the 'time' package)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$designs" "$work"
# Java goes to a file named after its class, as javac wants it.
mkdir "$work/new" "$work/old" "$work/copy" "$work/merge" "$work/import" "$work/changed"

# median of a column of numbers
median() { sort -n | awk '{a[NR]=$1} END {m=int((NR+1)/2); print a[m]}'; }

# measure NAME COMMAND...: prints NAME, median CPU ms, median peak MB. $before_each, when set,
# is run (untimed) before every run.
before_each=()
measure() {
  local name=$1; shift
  local cpu=() mem=()
  for _ in $(seq "$repeat"); do
    [ ${#before_each[@]} -eq 0 ] || "${before_each[@]}"
    /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >"$work/stdout" 2>/dev/null
    read -r u s m <"$work/time"
    cpu+=("$(awk -v u="$u" -v s="$s" 'BEGIN {printf "%.0f", (u + s) * 1000}')")
    mem+=("$(awk -v m="$m" 'BEGIN {printf "%.1f", m / 1024}')")
  done
  printf '%-34s %8s ms %8s MB\n' "$name" \
    "$(printf '%s\n' "${cpu[@]}" | median)" "$(printf '%s\n' "${mem[@]}" | median)"
}

report() {
  local label=$1 exe=$2 roundtrip=${3:-}
  echo "== $label"
  for d in mixed worst; do
    local f="$work/$d.dat"
    measure "list $d" "$exe" list "$f"
    measure "resave $d" "$exe" resave "$f" "$work/out.dat"
    # A program that merges writes over the file of its previous run with --replace.
    local replace=()
    [ -n "$roundtrip" ] && replace=(--replace)
    measure "java --as JFrame $d" "$exe" java "$f" --as JFrame -o "$work/new/$d.java" "${replace[@]}"
    [ -n "$roundtrip" ] || continue
    # The class with a class of the developer's at its end: each run merges into it.
    cp "$work/new/$d.java" "$work/merge/$d.java"
    printf '\r\nclass Extra {\r\n}\r\n' >>"$work/merge/$d.java"
    measure "java over an edited file $d" "$exe" java "$f" --as JFrame -o "$work/merge/$d.java"
    # The same edited file after the design changed (its first component moved), so that every
    # run writes the merged class: each run starts from the edited file again.
    sed '0,/^X= /s/^X= \([0-9]*\)/X= 1\1/' "$f" >"$work/changed/$d.dat"
    before_each=(cp "$work/merge/$d.java" "$work/changed/$d.java")
    measure "java after a design change $d" "$exe" java "$work/changed/$d.dat" --as JFrame \
      -o "$work/changed/$d.java"
    before_each=()
    measure "import $d" "$exe" import "$work/new/$d.java" -o "$work/import/$d.dat"
  done
}

echo "designs: mixed $(stat -c %s "$work/mixed.dat") bytes, worst $(stat -c %s "$work/worst.dat") bytes; median of $repeat runs"
echo "== floor"
for d in mixed worst; do
  measure "cat $d" cat "$work/$d.dat"
  measure "cp $d" cp "$work/$d.dat" "$work/copy.dat"
done
"$gen" java "$work/worst.dat" --as JFrame -o "$work/new/worst.java" --replace 2>/dev/null
measure "cp worst java ($(stat -c %s "$work/new/worst.java") bytes)" cp "$work/new/worst.java" "$work/copy/worst.java"
report "korvane-gen $gen" "$gen" roundtrip
[ -n "$old" ] || exit 0
report "korvane-gen $old" "$old"

echo "== same output as $old"
status=0
same() {
  if cmp -s "$1" "$2"; then echo "same: $3"; else echo "DIFFERENT: $3"; status=1; fi
}
for d in mixed worst; do
  f="$work/$d.dat"
  "$gen" list "$f" >"$work/new.txt"; "$old" list "$f" >"$work/old.txt"
  same "$work/new.txt" "$work/old.txt" "list $d"
  "$gen" resave "$f" "$work/new.dat"; "$old" resave "$f" "$work/old.dat"
  same "$work/new.dat" "$work/old.dat" "resave $d"
  for kind in Applet Frame Dialog Panel JApplet JFrame JDialog JPanel; do
    "$gen" java "$f" --as "$kind" -o "$work/new/$d.java" --replace 2>"$work/new.err" || true
    "$old" java "$f" --as "$kind" -o "$work/old/$d.java" 2>"$work/old.err" || true
    same "$work/new/$d.java" "$work/old/$d.java" "java --as $kind $d"
    same "$work/new.err" "$work/old.err" "java --as $kind $d (messages)"
    rm -f "$work/new/$d.java" "$work/old/$d.java"
  done
done
exit $status
