#!/usr/bin/env bash
# cmake --install puts the tool in bin/ and its man page in share/man/man1/.
# Usage: install_test.sh CMAKE BUILD_DIR SOURCE_DIR PROJECT_VERSION
set -euo pipefail
cmake=$1 build_dir=$2 source_dir=$3 version=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build_dir" --prefix "$prefix" >/dev/null

status=0
if [ ! -x "$prefix/bin/tolvane" ]; then
  echo "missing or not executable: bin/tolvane"
  status=1
else
  # Run with no arguments: the usage text and exit status 2.
  set +e
  usage=$("$prefix/bin/tolvane")
  code=$?
  set -e
  if [ "$code" != 2 ] || [[ "$usage" != *"USAGE: TOLVANE SRC DST LANG"* ]]; then
    echo "the installed bin/tolvane does not answer with its usage text (status $code)"
    status=1
  fi
fi

page=$prefix/share/man/man1/tolvane.1
if ! cmp -s "$page" "$source_dir/man/tolvane.1"; then
  echo "missing or different: share/man/man1/tolvane.1"
  status=1
elif ! head -n 1 "$page" | grep -qF "\"TOLVANE $version\""; then
  echo "the man page's title line does not carry the version $version:"
  head -n 1 "$page"
  status=1
fi
exit $status
