#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a desktop needs; then builds the Debian package,
# checks its contents and computed dependencies, and starts the packaged program once on a private display.
# usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== install into a prefix"
# (scripts/test makes the manifest cmake writes beside the build writable for the unprivileged test user.)
cmake -DCMAKE_INSTALL_PREFIX="$work/prefix" \
  -P "$build/cmake_install.cmake" >/dev/null 2>"$work/install.err" || { cat "$work/install.err" >&2; fail "install"; }
prefix=$work/prefix
for f in bin/tavrin bin/tavrin-launcher share/applications/tavrin.desktop share/metainfo/io.tavrin.Tavrin.metainfo.xml \
  share/icons/hicolor/scalable/apps/tavrin.svg share/icons/hicolor/48x48/apps/tavrin.png \
  share/icons/hicolor/256x256/apps/tavrin.png share/tavrin/sounds/ping.wav share/tavrin/sounds/frog.wav \
  share/tavrin/sounds/pop.wav share/man/man1/tavrin.1 share/bash-completion/completions/tavrin \
  share/zsh/vendor-completions/_tavrin share/gnome-shell/extensions/tavrin@tavrin.io/metadata.json \
  share/gnome-shell/extensions/tavrin@tavrin.io/extension.js; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/bin/tavrin" ] || fail "bin/tavrin is not executable"
[ -x "$prefix/bin/tavrin-launcher" ] || fail "bin/tavrin-launcher is not executable"
# The launcher stays small: no GUI library.
if ldd "$prefix/bin/tavrin-launcher" | grep -qE 'libQt6(Gui|Widgets)'; then fail "tavrin-launcher loads the GUI"; fi
# The manual and the completions name every command the program takes.
commands=$("$prefix/bin/tavrin" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "tavrin --help lists no commands"
for command in $commands; do
  # (roff writes each '-' as '\-')
  grep -qF ".B ${command//-/\\-}" "$prefix/share/man/man1/tavrin.1" || fail "the manual page lacks $command"
  grep -q " $command) " "$prefix/share/bash-completion/completions/tavrin" || fail "bash completion lacks $command"
done
bash -n "$prefix/share/bash-completion/completions/tavrin" || fail "bash completion syntax"
file "$prefix/share/icons/hicolor/48x48/apps/tavrin.png" | grep -q '48 x 48' || fail "the 48 px icon is not 48 x 48"
desktop-file-validate "$prefix/share/applications/tavrin.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/io.tavrin.Tavrin.metainfo.xml" >/dev/null ||
  fail "AppStream metadata"

echo "== Debian package"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/package/tavrin_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6dbus6 libxcb1 libcanberra0 libplist3 qt6-qpa-plugins libqt6svg6; do
  grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib"
done
dpkg-deb -c "$deb" >"$work/contents"
for f in ./usr/bin/tavrin ./usr/bin/tavrin-launcher ./usr/share/applications/tavrin.desktop ./usr/share/icons/hicolor/scalable/apps/tavrin.svg \
  ./usr/share/metainfo/io.tavrin.Tavrin.metainfo.xml ./usr/share/tavrin/sounds/ping.wav \
  ./usr/share/gnome-shell/extensions/tavrin@tavrin.io/extension.js; do
  grep -q " $f\$" "$work/contents" || fail "the package lacks $f"
done

echo "== the packaged program starts and quits"
dpkg-deb -x "$deb" "$work/root"
mkdir -p "$work/home" "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
out=$work/run.out
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  dbus-run-session -- "$work/root/usr/bin/tavrin" >"$out" 2>&1 &
pid=$!
for _ in $(seq 100); do
  [ -s "$work/config/tavrin/settings.plist" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$work/config/tavrin/settings.plist" ] || { cat "$out" >&2; fail "the program did not start"; }
pkill -TERM -P "$pid" tavrin 2>/dev/null || kill -TERM "$pid"
wait "$pid" || { cat "$out" >&2; fail "the program did not quit cleanly"; }
grep -q 'quit: everything saved' "$out" || { cat "$out" >&2; fail "no clean quit"; }
echo "PASS"
