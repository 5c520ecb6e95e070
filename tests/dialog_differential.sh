#!/usr/bin/env bash
# Random user sessions of the dialog, each played on both windows by the
# scenario runner: every file the two windows leave differently is a failure,
# named by its session (s SEED - N), so that it can be replayed and reduced.
#   dialog_differential.sh SEED|random COUNT [WINDOW=FOLDER...]
# The windows are the builds in build/ and build-win/ by default; the sessions
# come from build/t742sessions, the places from build/t742layout.
set -uo pipefail
cd "$(dirname "$0")/.."
seed=$1 count=$2
shift 2
[ "$seed" = random ] && seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
(($#)) || set -- qt=build wine=build-win
sessions=$(mktemp)
trap 'rm -f "$sessions"' EXIT
build/t742sessions "$seed" "$count" >"$sessions"
echo "== $count random sessions, seed $seed (replay: $0 $seed $count)"
tests/dialog_scenarios.sh "$sessions" build/t742layout "$@"
status=$?
((status)) && echo "seed $seed: the sessions above left different files; build/t742sessions $seed $count writes them"
exit "$status"
