#!/usr/bin/env bash
# The Debian package as a distribution's packager checks it: built by cpack into a folder of its
# own, it gives lintian no error and no warning. lintian_clean.sh BUILD_FOLDER
set -uo pipefail
build=$1
command -v lintian >/dev/null || { echo "skipped: lintian is not installed"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$build" && cpack -G DEB -B "$dir" >"$dir/cpack.log" 2>&1) ||
  { echo "FAIL: cpack: $(tail -5 "$dir/cpack.log")"; exit 1; }
deb=$(ls "$dir"/kaldora_*.deb)
# Every tag is shown, the informational ones too; only errors and warnings fail.
lintian --info --display-info --fail-on error,warning "$deb" >"$dir/lintian.txt" 2>&1
status=$?
cat "$dir/lintian.txt"
((status == 0)) || { echo "FAIL: lintian found errors or warnings in $(basename "$deb")"; exit 1; }
if grep -qE '^[EW]:' "$dir/lintian.txt"; then
  echo "FAIL: lintian printed an error or warning"
  exit 1
fi
echo "ok: lintian reports no error and no warning for $(basename "$deb")"
