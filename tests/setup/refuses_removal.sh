#!/usr/bin/env bash
# tools/setup against a simulated apt: what each command asks for, and a refusal that installs
# nothing when apt would remove a package. refuses_removal.sh SOURCE_FOLDER
set -uo pipefail
setup=$1/tools/setup
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; cat "$dir/err" 2>/dev/null; exit 1; }

# apt-get, dpkg-query and sudo stand-ins: every package is missing but those in $dir/installed,
# the simulation answers $dir/answer, and a real install is recorded and then fails, so that
# tools/setup stops before it builds anything.
mkdir "$dir/bin"
cat >"$dir/bin/apt-get" <<'FAKE'
#!/bin/bash
case "$*" in
  update*) exit 0 ;;
  -s\ install*) shift 2; echo "$*" >"$FAKE_DIR/asked"; cat "$FAKE_DIR/answer" ;;
  *install*) echo "$*" >"$FAKE_DIR/install"; exit 1 ;;
esac
FAKE
cat >"$dir/bin/dpkg-query" <<'FAKE'
#!/bin/bash
grep -qx "${!#}" "$FAKE_DIR/installed" && echo "install ok installed"
FAKE
printf '#!/bin/sh\nexec "$@"\n' >"$dir/bin/sudo"
chmod +x "$dir/bin/"*

simulated_ok='Inst fonts-liberation (1:1.07.4-11 Debian:12/stable [all])
Conf fonts-liberation (1:1.07.4-11 Debian:12/stable [all])'
simulated_removal='The following packages will be REMOVED:
  gnome-core pipewire-audio
Remv gnome-core [1:44+1]
Remv pipewire-audio [0.3.65-3+deb12u1]
Inst pulseaudio (16.1+dfsg1-2+b1 Debian:12/stable [amd64])
Conf pulseaudio (16.1+dfsg1-2+b1 Debian:12/stable [amd64])'

# row: NAME COMMAND INSTALLED ANSWER, then checks on $status, $asked, $installed and $err.
run() {
  rm -f "$dir/asked" "$dir/install"
  echo "$3" >"$dir/installed"
  echo "$4" >"$dir/answer"
  PATH="$dir/bin:$PATH" FAKE_DIR=$dir bash "$setup" "$2" >"$dir/out" 2>"$dir/err"
  status=$?
  asked=" $(cat "$dir/asked" 2>/dev/null) "
  installed=" $(cat "$dir/install" 2>/dev/null) "
  err=$(cat "$dir/err")
  row=$1
}
has() { [[ "$1" == *" $2 "* ]]; }

run "play asks for the toolchain, Qt, the sound libraries and the font" play "" "$simulated_ok"
for p in build-essential cmake qt6-base-dev libpulse-dev libsndfile1-dev fonts-liberation; do
  has "$asked" "$p" || fail "$row: $p not asked for"
done
for p in pulseaudio pulseaudio-utils clang valgrind xvfb openbox weston lintian libgtest-dev; do
  has "$asked" "$p" && fail "$row: $p asked for"
done
has "$installed" fonts-liberation || fail "$row: nothing installed"

run "test adds the test tools and a PulseAudio daemon" test "" "$simulated_ok"
for p in fonts-liberation pulseaudio pulseaudio-utils xvfb openbox weston lintian clang; do
  has "$asked" "$p" || fail "$row: $p not asked for"
done

run "test on a PipeWire machine leaves pulseaudio out" test "pipewire-pulse" "$simulated_ok"
has "$asked" pulseaudio && fail "$row: pulseaudio asked for"
has "$asked" pulseaudio-utils || fail "$row: pulseaudio-utils not asked for"
[[ "$err" == *"real-audio test is skipped"* ]] || fail "$row: no word of the skipped test"

run "a removal is refused, nothing installed, and named with its reason" test "" \
  "$simulated_removal"
((status != 0)) || fail "$row: tools/setup went on"
[ "$installed" = "  " ] || fail "$row: installed $installed"
[[ "$err" == *"would make apt remove gnome-core pipewire-audio"* ]] ||
  fail "$row: the removed packages are not named"
[[ "$err" == *"nothing was installed"* ]] || fail "$row: does not say nothing was installed"
# Debian 12's pipewire-audio declares the conflict; elsewhere the reason may read otherwise.
[[ "$err" == *"pipewire-audio conflicts with pulseaudio"* ||
   "$err" == *"pipewire-audio depends on"* ]] || fail "$row: no reason given"
[[ "$err" == *"gnome-core depends on a package that would go"* ]] ||
  fail "$row: no reason for gnome-core"
echo "ok: play and test ask for their own packages; a removal is refused with its reason"
