# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts beside it, which run the real program with the sample histories of bench_history.

# build_with_samples BUILD-DIR: builds a release tavrin and bench_history there and writes the sample histories into
# a new folder, $samples, removed when the script ends.
build_with_samples() {
  cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF \
    -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$1" -j2 --target tavrin bench_history >/dev/null
  samples=$(mktemp -d)
  trap 'rm -rf "$samples"' EXIT
  "$1/bench/bench_history" --write-sample="$samples"
}

# use_history PATH: settings of a program past its welcome steps whose history is the file at PATH.
use_history() {
  mkdir -p "$XDG_CONFIG_HOME/tavrin"
  cat >"$XDG_CONFIG_HOME/tavrin/settings.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>firstRun</key><integer>1</integer>
<key>userdefaultsCopiedPath</key><string>$1</string>
</dict></plist>
PLIST
}
