#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the generated GNOME Shell extension in both its forms: each metadata.json is JSON naming the folder's UUID,
# the script form (GNOME 43-44) compiles as a script, and the module form (45 and later) parses as an ES module.
# gjs only parses here; what the code does is tested in a running Shell. Exits 77 (skipped) without gjs.
set -euo pipefail
root=${1:?usage: check-extension.sh BUILD_EXTENSION_ROOT UUID}
uuid=${2:?usage: check-extension.sh BUILD_EXTENSION_ROOT UUID}
if ! command -v gjs >/dev/null; then
  echo "gjs is not installed: the extension's syntax is not checked" >&2
  exit 77
fi
status=0
for era in imports modules; do
  dir="$root/$era/$uuid"
  python3 - "$dir/metadata.json" "$uuid" <<'PY' || status=1
import json, sys
meta = json.load(open(sys.argv[1]))
assert meta["uuid"] == sys.argv[2], f"uuid {meta['uuid']} in {sys.argv[1]}"
assert meta["shell-version"], "no shell-version"
PY
done

# A script is compiled, not run, by making a function of it.
if ! gjs -c "new Function(new TextDecoder().decode(imports.gi.GLib.file_get_contents('$root/imports/$uuid/extension.js')[1]));" ; then
  echo "the GNOME 43-44 extension does not compile" >&2
  status=1
fi
grep -q '^function init()' "$root/imports/$uuid/extension.js" || { echo "no init() in the script form" >&2; status=1; }

# A module is parsed before its imports are resolved: outside the Shell the Shell's own modules cannot be found,
# and that is the only complaint allowed.
module_log=$(gjs -m "$root/modules/$uuid/extension.js" 2>&1 || true)
if echo "$module_log" | grep -q "Failed to parse module\|SyntaxError"; then
  echo "the GNOME 45+ extension does not parse:" >&2
  echo "$module_log" >&2
  status=1
elif ! echo "$module_log" | grep -q "resource:///org/gnome/shell/"; then
  echo "the GNOME 45+ extension was not parsed as expected:" >&2
  echo "$module_log" >&2
  status=1
fi
grep -q '^export default class' "$root/modules/$uuid/extension.js" || { echo "no default export" >&2; status=1; }
exit $status
