#!/usr/bin/env bash
# Checks a built package as a user's machine meets it, without installing anything on
# this one: lintian, the desktop and AppStream files, then the program unpacked into a
# temporary root and started offscreen with a home folder of its own.
#   packaging/check-package.sh build/package/halvex_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== lintian $(basename "$deb")"
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

root=$work/root
dpkg-deb -x "$deb" "$root"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.halvex.Halvex.metainfo.xml"
echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/org.halvex.Halvex.desktop"

program=$root/usr/bin/halvex
if ldd "$program" | grep -q "not found"; then
  ldd "$program" | grep "not found"
  echo "The installed program misses libraries its package depends on." >&2
  exit 1
fi
"$program" --version

# Starts the installed program with `home` as its home folder and waits until its log
# shows `expected`; fails when it ends or does not get there within a minute.
start_until() {
  local home=$1 expected=$2 log=$work/log
  mkdir -p "$home" "$work/runtime"
  chmod 700 "$work/runtime"
  : > "$log"
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 QT_LOGGING_RULES="halvex.startup.info=true" \
    QT_MESSAGE_PATTERN="%{message}" \
    "$program" > "$log" 2>&1 &
  pid=$!
  for _ in $(seq 600); do
    if grep -qF "$expected" "$log"; then break; fi
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  cat "$log"
  if ! grep -qF "$expected" "$log"; then
    echo "The installed program did not show: $expected" >&2
    exit 1
  fi
  if grep -q "^message:" "$log"; then
    echo "The installed program showed a message on its way up." >&2
    exit 1
  fi
}

touch "$work/before"
echo "== first start: no settings yet"
start_until "$work/first" "asking for the game folder"
grep -qxF "settings folder: $work/first/.config/Halvex" "$work/log"
grep -qxF "data folder: $root/usr/share/halvex" "$work/log"

echo "== start on the sample game"
mkdir -p "$work/second/.config/Halvex"
printf 'Settings {\r\nPath: %s;\r\n}\r\n' "$root/usr/share/halvex/sample-game" > "$work/second/.config/Halvex/settings.iff"
start_until "$work/second" "main window shown: Halvex Editor Proffesional"

written=$(find "$root" -newer "$work/before" -type f)
if [ -n "$written" ]; then
  echo "The installed program wrote into its install tree: $written" >&2
  exit 1
fi
echo "The package passed."
