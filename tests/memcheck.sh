#!/usr/bin/env bash
# Runs the test program of a normal (not sanitized) build under valgrind
# memcheck, and with it every run of the built tool that the end-to-end tests
# start. Fails on any memcheck error or leak. Not part of the default test run.
#
#   tests/memcheck.sh [BUILD_DIR [GTEST_FILTER]]
set -euo pipefail
build=${1:-build}
filter=${2:-*}
program="$build/tests/tolvane_tests"
[ -x "$program" ] || { echo "memcheck: no $program; build first" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "memcheck: valgrind is not installed" >&2; exit 2; }

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
# Children are traced too (the tool itself), except programs of the system.
valgrind --tool=memcheck --trace-children=yes --trace-children-skip='/usr/*,/bin/*,/sbin/*' \
  --leak-check=full --show-leak-kinds=definite,indirect,possible \
  --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=99 \
  --log-file="$logs/memcheck.%p.log" \
  "$program" --gtest_filter="$filter" --gtest_brief=1 || status=$?

processes=$(ls "$logs" | wc -l)
# A process that handed over to a program of the system has no summary.
dirty=$(grep -l "ERROR SUMMARY: [1-9]" "$logs"/*.log || true)
if [ -n "$dirty" ]; then
  for log in $dirty; do echo "== $log"; cat "$log"; done
  [ "$status" != 0 ] || status=1
fi
echo "memcheck: $processes processes checked, $(echo -n "$dirty" | grep -c . || true) with errors; exit $status"
exit "$status"
