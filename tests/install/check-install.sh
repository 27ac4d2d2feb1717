#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks the tree a desktop needs; then builds the Debian package,
# checks its contents and computed dependencies, and starts the packaged program once on a private display.
# usage: check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
id=io.tavrin.Tavrin
work=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== install into a prefix"
# (scripts/test makes the manifest cmake writes beside the build writable for the unprivileged test user.)
cmake -DCMAKE_INSTALL_PREFIX="$work/prefix" \
  -P "$build/cmake_install.cmake" >/dev/null 2>"$work/install.err" || { cat "$work/install.err" >&2; fail "install"; }
prefix=$work/prefix
for f in bin/tavrin bin/tavrin-launcher bin/tavrin-rofi share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
  share/icons/hicolor/256x256/apps/$id.png share/sounds/$id/ping.wav share/sounds/$id/frog.wav \
  share/sounds/$id/pop.wav share/man/man1/tavrin.1.gz share/man/man1/tavrin-launcher.1.gz \
  share/man/man1/tavrin-rofi.1.gz share/bash-completion/completions/tavrin share/zsh/vendor-completions/_tavrin \
  share/doc/tavrin/copyright share/doc/tavrin/changelog.gz share/gnome-shell/extensions/tavrin@tavrin.io/metadata.json \
  share/gnome-shell/extensions/tavrin@tavrin.io/extension.js; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
for f in bin/tavrin bin/tavrin-launcher bin/tavrin-rofi bin/tavrin-dmenu; do
  [ -x "$prefix/$f" ] || fail "$f is not executable"
done
# tavrin-dmenu is tavrin-rofi under another name (the script looks at its own name), and so is its manual.
[ "$(readlink "$prefix/bin/tavrin-dmenu")" = tavrin-rofi ] || fail "bin/tavrin-dmenu is not a link to tavrin-rofi"
[ "$(readlink "$prefix/share/man/man1/tavrin-dmenu.1.gz")" = tavrin-rofi.1.gz ] || fail "no tavrin-dmenu manual"
# share/tavrin/ is the user's data folder when the prefix is ~/.local: nothing is installed there.
[ ! -e "$prefix/share/tavrin" ] || fail "something is installed into share/tavrin/: $(ls -R "$prefix/share/tavrin")"
# The launcher stays small: no GUI library.
if ldd "$prefix/bin/tavrin-launcher" | grep -qE 'libQt6(Gui|Widgets)'; then fail "tavrin-launcher loads the GUI"; fi
# The manuals are compressed as Debian wants them (no name or time inside) and read without complaint.
for page in "$prefix"/share/man/man1/*.1.gz; do
  gzip -t "$page" || fail "$page is no gzip file"
  # (the header's flags and time: no name, no time)
  [ "$(od -An -tx1 -j3 -N5 "$page" | tr -d ' ')" = 0000000000 ] || fail "$page keeps its name or time"
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
manual=$(gzip -dc "$prefix/share/man/man1/tavrin.1.gz")
# The manual and the completions name every command the program takes.
commands=$("$prefix/bin/tavrin" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "tavrin --help lists no commands"
for command in $commands; do
  # (roff writes each '-' as '\-')
  grep -qF ".B ${command//-/\\-}" <<<"$manual" || fail "the manual page lacks $command"
  grep -q " $command) " "$prefix/share/bash-completion/completions/tavrin" || fail "bash completion lacks $command"
done
bash -n "$prefix/share/bash-completion/completions/tavrin" || fail "bash completion syntax"
file "$prefix/share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' || fail "the 48 px icon is not 48 x 48"

# One application id: the desktop entry's name, its icon, the AppStream component and what it launches.
entry=$prefix/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop entry"
grep -qx "Exec=$prefix/bin/tavrin" "$entry" || fail "the desktop entry does not start $prefix/bin/tavrin: $(grep Exec "$entry")"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry's icon is not $id"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "AppStream metadata"
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "AppStream launches another entry"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "AppStream names no license"
grep -q '^License: GPL-3+$' "$prefix/share/doc/tavrin/copyright" || fail "the copyright file names no GPL-3+"
# The changelog's version is the program's.
version=$("$prefix/bin/tavrin" --version | awk '{ print $NF }')
gzip -dc "$prefix/share/doc/tavrin/changelog.gz" | head -1 | grep -qF "tavrin ($version)" ||
  fail "the changelog does not start with version $version"

# A prefix with characters the Exec rules reserve is quoted so that the session still finds the program.
odd="$work/my \"odd\" \$prefix 100%"
cmake -DCMAKE_INSTALL_PREFIX="$odd" -Dtavrin_entry_template="$source/resources/desktop/$id.desktop.in" \
  -Dtavrin_entry_name=$id.desktop -Dtavrin_entry_folder=share/applications -Dtavrin_program=bin/tavrin \
  -P "$source/cmake/InstallDesktopEntry.cmake" >/dev/null
desktop-file-validate "$odd/share/applications/$id.desktop" || fail "the desktop entry under an odd prefix"
grep -qxF 'Exec="'"$work"'/my \\"odd\\" \\$prefix 100%%/bin/tavrin"' "$odd/share/applications/$id.desktop" ||
  fail "Exec under an odd prefix: $(grep Exec "$odd/share/applications/$id.desktop")"

echo "== Debian package"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/package/tavrin_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# (the X11 platform plugin comes with libqt6gui6)
for lib in libqt6widgets6 libqt6gui6 libqt6dbus6 libxcb1 libcanberra0 libplist3 liblz4-1 libqt6svg6; do
  grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib"
done
! grep -q qt6-qpa-plugins <<<"$depends" || fail "the package depends on qt6-qpa-plugins, which it does not use"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland"
dbgsym=$(ls "$work"/package/tavrin-dbgsym_*.ddeb) || fail "no -dbgsym package beside the package"
# Its md5sums name the files it holds, relative to the root.
dpkg-deb -I "$dbgsym" md5sums >"$work/dbgsym.md5sums"
grep -q '  usr/lib/debug/.build-id/' "$work/dbgsym.md5sums" || fail "the -dbgsym md5sums list no symbols"
! grep -v '^[0-9a-f]\{32\}  usr/lib/debug/' "$work/dbgsym.md5sums" || fail "the -dbgsym md5sums name other paths"
dpkg-deb -c "$deb" >"$work/contents"
for f in ./usr/bin/tavrin ./usr/bin/tavrin-launcher ./usr/bin/tavrin-rofi ./usr/share/applications/$id.desktop \
  ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/metainfo/$id.metainfo.xml ./usr/share/sounds/$id/ping.wav \
  ./usr/share/man/man1/tavrin.1.gz ./usr/share/doc/tavrin/copyright ./usr/share/doc/tavrin/changelog.gz \
  ./usr/share/gnome-shell/extensions/tavrin@tavrin.io/extension.js; do
  grep -q " $f\$" "$work/contents" || grep -q " $f -> " "$work/contents" || fail "the package lacks $f"
done

echo "== the packaged program starts and quits"
dpkg-deb -x "$deb" "$work/root"
grep -qx "Exec=/usr/bin/tavrin" "$work/root/usr/share/applications/$id.desktop" || fail "the package's Exec"
mkdir -p "$work/home" "$work/config" "$work/data/tavrin" "$work/runtime"
chmod 700 "$work/runtime"
# A data folder and a history that another program left readable for everyone are made private at the start.
printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><array><string>old</string></array></plist>\n' \
  >"$work/data/tavrin/myfile.plist"
chmod 755 "$work/data/tavrin"
chmod 644 "$work/data/tavrin/myfile.plist"
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
# (the lock goes when the program ends)
modes=$(stat -c %a "$work/data/tavrin" "$work/data/tavrin/myfile.plist" "$work/data/tavrin/tavrin.lock" \
  "$work/config/tavrin/settings.plist" | tr '\n' ' ')
[ "$modes" = "700 600 600 600 " ] || fail "data folder, history, lock and settings have modes $modes"
pkill -TERM -P "$pid" tavrin 2>/dev/null || kill -TERM "$pid"
wait "$pid" || { cat "$out" >&2; fail "the program did not quit cleanly"; }
grep -q 'quit: everything saved' "$out" || { cat "$out" >&2; fail "no clean quit"; }
# The packaged program finds its sounds under its own prefix.
! grep -q 'feedback sounds missing' "$out" || { cat "$out" >&2; fail "the packaged program has no sounds"; }
grep -q 'myfile.plist had mode 0644 and is now 0600' "$out" || { cat "$out" >&2; fail "the change of mode is not logged"; }
echo "PASS"
