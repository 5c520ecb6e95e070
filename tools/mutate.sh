#!/usr/bin/env bash
# A mutation run: puts one small fault at a time into the core's sources,
# builds the tests on it and runs the Linux suite (the release build's
# t742_tests, without sanitizers: a fault only they see survives here), to
# find faults the suite lets through. The faults, tried in this order at every place they fit:
#   a comparison flipped   <  <=  >  >=  ==  !=   (< to <=, <= to <, ...)
#   an operator swapped    + and -, * and /, && and ||
#   a "!" dropped
#   an integer constant raised by one
# Operators are taken only with a blank on each side (as the code is
# formatted), so template brackets, pointers and unary signs are left alone;
# nothing inside a string, a character constant, a comment or a preprocessor
# line is touched.
#
# Usage: tools/mutate.sh [FILE...]
#   FILE: sources to mutate, relative to the repository (default: every .cpp
#   and .h of MyFunc, JwwGaibu, Unit1 and figures).
#   MUTATE_EVERY=N   tries every Nth place only (default 8: about 320 mutants
#                    of the core, some hours; 1 tries all of its 2500)
#   MUTATE_TIMEOUT=S the suite's time limit per mutant (default 120 s)
#   MUTATE_FILTER=F  a GoogleTest filter for build/tests/t742_tests (default *)
#   MUTATE_LIST=1    only lists the places, and builds nothing
#
# It works in build-mutate/: a copy of the tree (src/), its build (build/)
# and the results (results.txt). The working tree is never written: each
# mutant is made in the copy, and the copy's file is put back after it and on
# any exit. Each mutant prints one line; a survivor reads
#   FILE:LINE original -> mutant   SURVIVED
# "same code" means that no object file changed: the line is not compiled on
# Linux, or the compiler made the same code of it.
set -euo pipefail
export LC_ALL=C  # one collation for sort and join
root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build-mutate
src=$work/src
bld=$work/build
every=${MUTATE_EVERY:-8}
limit=${MUTATE_TIMEOUT:-120}
filter=${MUTATE_FILTER:-*}
cd "$root"

if (($#)); then
  files=("$@")
else
  mapfile -t files < <(git ls-files 'MyFunc/*.cpp' 'MyFunc/*.h' 'JwwGaibu/*.cpp' 'JwwGaibu/*.h' \
    'Unit1/*.cpp' 'Unit1/*.h' 'figures/*.cpp' 'figures/*.h')
fi

# Places to mutate in FILE (of the copy, or of the folder given second):
# FILE<TAB>LINE<TAB>COLUMN<TAB>ORIGINAL<TAB>MUTANT.
sites() {
  awk -v file="$1" '
    # The line with strings, character constants and a trailing comment
    # blanked out, the same length as the line.
    function code(s,   out, i, c, q, n) {
      out = ""; q = ""; n = length(s)
      for (i = 1; i <= n; i++) {
        c = substr(s, i, 1)
        if (q != "") {
          if (c == "\\") { out = out "__"; i++; continue }
          if (c == q) q = ""
          out = out "_"; continue
        }
        if (c == "\"" || c == "'\''") { q = c; out = out "_"; continue }
        if (c == "/" && substr(s, i + 1, 1) == "/") {
          while (i <= n) { out = out "_"; i++ }
          break
        }
        out = out c
      }
      return out
    }
    function site(col, from, to) { printf "%s\t%d\t%d\t%s\t%s\n", file, NR, col, from, to }
    function each(m, from, to,   at, p) {
      at = 0
      while ((p = index(substr(m, at + 1), from)) > 0) {
        at += p
        site(at, from, to)
      }
    }
    BEGIN {
      n = split(" < , <= , > , >= , == , != , + , - , * , / , && , || ", ops, ",")
      split(" <= , < , >= , > , != , == , - , + , / , * , || , && ", subst, ",")
    }
    /^[ \t]*(#|\/\/|\/\*|\*( |\/|$))/ { next }
    {
      m = code($0)
      for (k = 1; k <= n; k++) each(m, ops[k], subst[k])
      for (i = 1; i <= length(m); i++) {
        c = substr(m, i, 1)
        if (c == "!" && substr(m, i + 1, 1) != "=") site(i, "!", "")
        if (c ~ /[0-9]/ && (i == 1 || substr(m, i - 1, 1) !~ /[A-Za-z0-9_.]/)) {
          j = i
          while (substr(m, j + 1, 1) ~ /[0-9]/) j++
          if (substr(m, j + 1, 1) !~ /[A-Za-z0-9_.]/) {
            v = substr(m, i, j - i + 1)
            if (v !~ /^0[0-9]/) site(i, v, v + 1)
          }
          i = j
        }
      }
    }' "${2:-$src}/$1"
}

if [ -n "${MUTATE_LIST:-}" ]; then
  for f in "${files[@]}"; do sites "$f" "$root"; done
  exit 0
fi

# The copy: every file of the tree, copied only when it differs, so that the
# build stays incremental from one run to the next.
mkdir -p "$src"
while IFS= read -r f; do
  [ -f "$f" ] || continue
  if ! cmp -s "$f" "$src/$f"; then
    mkdir -p "$src/$(dirname "$f")"
    cp "$f" "$src/$f"
  fi
done < <(git ls-files --cached --others --exclude-standard)

# The file being mutated and its pristine copy; put back on any exit.
current=""
restore() {
  if [ -n "$current" ]; then
    cp "$work/pristine" "$src/$current"
    current=""
  fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

# In a subshell of its own, so that a suite a mutant crashes is reported in
# the results, not by the shell.
suite() {
  (timeout "$limit" "$bld/tests/t742_tests" --gtest_filter="$filter" >"$work/suite.log" 2>&1
   exit $?) 2>/dev/null
}

cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bld" --target t742_tests >"$work/build.log" 2>&1 ||
  { cat "$work/build.log"; echo "the unmutated tree does not build" >&2; exit 1; }
start=$SECONDS
suite || { cat "$work/suite.log"; echo "the suite fails without a mutant" >&2; exit 1; }
echo "suite: $((SECONDS - start)) s without a mutant; limit $limit s" >&2
# Every object's checksum, to tell a mutant that changes no code.
(cd "$bld" && find . -name '*.o' -exec md5sum {} +) | sort -k2 >"$work/objects.md5"

: >"$work/results.txt"
count=0 tried=0 killed=0 survived=0 same=0 broken=0
start=$SECONDS
for f in "${files[@]}"; do
  while IFS=$'\t' read -r file line col from to; do
    count=$((count + 1))
    (((count - 1) % every == 0)) || continue
    tried=$((tried + 1))
    current=$file
    cp "$src/$file" "$work/pristine"
    awk -v n="$line" -v c="$col" -v from="$from" -v to="$to" \
      'NR == n { $0 = substr($0, 1, c - 1) to substr($0, c + length(from)) } { print }' \
      "$work/pristine" >"$src/$file"
    original=$(sed -n "${line}p" "$work/pristine" | sed 's/^ *//')
    mutant=$(sed -n "${line}p" "$src/$file" | sed 's/^ *//')
    touch "$work/stamp"
    if ! cmake --build "$bld" --target t742_tests >"$work/build.log" 2>&1; then
      result="does not build"; broken=$((broken + 1))
    elif (cd "$bld" && find . -name '*.o' -newer "$work/stamp" -exec md5sum {} + | sort -k2 |
          join -1 2 -2 2 - "$work/objects.md5" | awk '$2 != $3 { d = 1 } END { exit !d }'); then
      if suite; then
        result="SURVIVED"; survived=$((survived + 1))
      else
        result="killed"; killed=$((killed + 1))
      fi
    else
      result="same code"; same=$((same + 1))
    fi
    restore
    printf '%s:%s %s -> %s   %s\n' "$file" "$line" "$original" "$mutant" "$result" |
      tee -a "$work/results.txt"
  done < <(sites "$f")
done
# The last file put back is built again, so that the next run starts clean.
cmake --build "$bld" --target t742_tests >/dev/null 2>&1 || true
echo "$tried mutants of $count places in $((SECONDS - start)) s: $killed killed, $survived survived," \
  "$same same code, $broken did not build" | tee -a "$work/results.txt"
