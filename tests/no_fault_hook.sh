#!/usr/bin/env bash
# The hook that lets the tests fail a file write must never ship. The tests'
# build of the program holds its names, which proves the search finds them;
# the shipped files must hold none.
#   no_fault_hook.sh TESTS_BUILD SHIPPED...
set -euo pipefail
hooks=(T742_FAIL_WRITE_STEP SetWriteFailureStep WriteStepFails)
control=$1
shift
for hook in "${hooks[@]}"; do
  if ! grep -aqF "$hook" "$control"; then
    echo "$control does not hold $hook: the search below would prove nothing"
    exit 1
  fi
done
status=0
for file in "$@"; do
  for hook in "${hooks[@]}"; do
    if grep -aqF "$hook" "$file"; then
      echo "$file holds the test hook $hook"
      status=1
    fi
  done
done
exit "$status"
