#!/usr/bin/env bash
# The man page renders without a single groff warning, for the terminal and
# for print, and names every fixed message of the tool.
# Usage: man_page_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
page=$source_dir/man/tolvane.1

if ! command -v groff >/dev/null; then
  if [ "${CI:-}" = true ] || [ -n "${TOLVANE_REQUIRE_TOOLCHAINS:-}" ]; then
    echo "groff is not installed (Debian package groff-base); in CI this test must run"
    exit 1
  fi
  echo "groff is not installed (Debian package groff-base): skipped"
  exit 77
fi

status=0
for device in utf8 ps; do
  if ! warnings=$(groff -man -ww -z -T"$device" "$page" 2>&1) || [ -n "$warnings" ]; then
    echo "groff -man -ww -z -T$device reports:"
    echo "$warnings"
    status=1
  fi
done

# Every message of the tool, word for word: the usage text, the messages
# built elsewhere than in a call of Fatal, and whatever the sources pass to
# Fatal directly, so that a new message cannot go undocumented.
messages=(
  "USAGE: TOLVANE SRC DST LANG [H|D|M|S STRING|O OFFSET|X BYTES]"
  "Where SRC and DST are source and dest file names"
  "LANG is A[sm], C, P[ascal] or B[atch]"
  "or PR for Pascal Record or CS for C Structure"
  "H or D force output parameters to be Hex or Decimal"
  "M Merges size field with token"
  "X Sets Address Stride in Bytes"
  "O Adds Offset"
  "S option appends string to token"
  "Suffix?" "Offset?" "AddressStride?" "Bad Offset?" "Bad AddressStride?"
  "FATAL ERROR: Undecipherable Hex Number field"
  "Alignment Error: " "Runtime error " "SourceLine "
)
while IFS= read -r message; do
  messages+=("$message")
done < <(grep -rhoE 'Fatal\("[^"]+"\)' "$source_dir/src" | sed -E 's/^Fatal\("(.*)"\)$/\1/')
for message in "${messages[@]}"; do
  if ! grep -qF -- "$message" "$page"; then
    echo "the man page does not name the message: $message"
    status=1
  fi
done
exit $status
