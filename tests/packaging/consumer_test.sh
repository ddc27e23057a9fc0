#!/usr/bin/env bash
# The README's build snippets work: the consumer project under
# tests/consumer is built with CMake and with make, runs, and picks up a
# changed definition file on the next build; a definition file with an
# error fails the build, and keeps failing it, instead of leaving a partial
# header that the next build would take as up to date. The snippets in the
# README must be the ones the project uses.
# Usage: consumer_test.sh CMAKE GENERATOR TOLVANE SOURCE_DIR WORK_DIR
set -euo pipefail
cmake=$1 generator=$2 tolvane=$3 source_dir=$4 work=$5
consumer=$source_dir/tests/consumer
status=0
fail() { echo "FAIL: $*"; status=1; }

# The lines between "# >>> README" and "# <<< README" in FILE.
snippet() { sed -n '/^# >>> README$/,/^# <<< README$/{/^# >>> README$/d;/^# <<< README$/d;p}' "$1"; }

readme=$(cat "$source_dir/README.md")
for file in CMakeLists.txt Makefile; do
  block=$(snippet "$consumer/$file")
  [ -n "$block" ] || fail "tests/consumer/$file has no README snippet"
  [[ "$readme" == *"$block"* ]] || fail "README.md does not show the snippet of tests/consumer/$file verbatim"
done

expect_output() {  # PROGRAM EXPECTED WHAT
  local got
  got=$("$1") || { fail "$3: the program failed"; return; }
  [ "$got" = "$2" ] || fail "$3: expected
$2
got
$got"
}

first='DEV_CTRL 8192
DEV_STATUS 8193
DEV_COUNT 8194
DEV_LIMIT 250'
moved='DEV_CTRL 12288
DEV_STATUS 12289
DEV_COUNT 12290
DEV_LIMIT 250'

# Each build gets its own copy of the project, so that its definition file
# can be changed.
rm -rf "$work"
mkdir -p "$work"

# CMake, with the generator of the enclosing build.
cp -R "$consumer" "$work/cmake-src"
"$cmake" -S "$work/cmake-src" -B "$work/cmake-build" -G "$generator" -DTOLVANE="$tolvane" >/dev/null
build() { "$cmake" --build "$work/cmake-build" >"$work/cmake-build.log" 2>&1; }
build || { cat "$work/cmake-build.log"; fail "cmake: the first build failed"; }
expect_output "$work/cmake-build/fanctl" "$first" "cmake, first build"
sleep 1  # a changed file must be newer than the header on any file system
sed -i 's/2000H/3000H/' "$work/cmake-src/device.def"
build || { cat "$work/cmake-build.log"; fail "cmake: the build after the change failed"; }
expect_output "$work/cmake-build/fanctl" "$moved" "cmake, after changing device.def"
sleep 1
echo "DEV_BAD      \$       %NOSUCH" >>"$work/cmake-src/device.def"
if build; then fail "cmake: a definition file with an error built"; fi
if build; then fail "cmake: the second build after an error took the partial header"; fi

# make, with the rule of the README.
cp -R "$consumer" "$work/make"
mk() { make -C "$work/make" TOLVANE="$tolvane" >"$work/make.log" 2>&1; }
mk || { cat "$work/make.log"; fail "make: the first build failed"; }
expect_output "$work/make/fanctl" "$first" "make, first build"
sleep 1
sed -i 's/2000H/3000H/' "$work/make/device.def"
mk || { cat "$work/make.log"; fail "make: the build after the change failed"; }
expect_output "$work/make/fanctl" "$moved" "make, after changing device.def"
sleep 1
echo "DEV_BAD      \$       %NOSUCH" >>"$work/make/device.def"
if mk; then fail "make: a definition file with an error built"; fi
if mk; then fail "make: the second build after an error took the partial header"; fi
[ ! -e "$work/make/device.h" ] || fail "make: the partial header was left behind"

[ $status = 0 ] && rm -rf "$work"
exit $status
