#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/add-license-lines on a small repository of its own: each kind of file gets the line in its own comment form
# and in the right place, a second run changes nothing, and --check fails exactly while a file lacks the line.
# usage: check-add-license-lines.sh SCRIPT
set -euo pipefail
script=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-license.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"
git init -q .
mkdir -p src docs
printf '#pragma once\n' >src/a.h
printf '#!/bin/sh\necho hi\n' >run && chmod +x run
printf '#!/usr/bin/env python3\n# -*- coding: utf-8 -*-\nprint(1)\n' >tool.py
printf 'project(x)\n' >CMakeLists.txt
printf '<?xml version="1.0"?>\n<!DOCTYPE node PUBLIC "a"\n"b">\n<node/>\n' >docs/i.xml
printf '<!DOCTYPE html>\n<html></html>\n' >docs/p.html
printf '.TH X 1\n' >x.1
printf '[Desktop Entry]\nName=X\n' >x.desktop.in
printf '// SPDX-License-Identifier: MIT\nint x;\n' >src/theirs.cpp
printf '# Notes\n' >README.md
printf 'plain text\n' >LICENSE
ln -s run link
git add -A

"$script" --root "$work" --check >check.out && fail "--check passed while files lack the line"
for f in src/a.h run tool.py CMakeLists.txt docs/i.xml docs/p.html x.1 x.desktop.in; do
  grep -qx "$f: .*" check.out || fail "--check does not name $f"
done
for f in src/theirs.cpp README.md LICENSE link; do
  ! grep -q "^$f:" check.out || fail "--check names $f, which needs no line"
done

"$script" --root "$work" >/dev/null
expect() { # FILE LINE-NUMBER TEXT
  [ "$(sed -n "$2p" "$1")" = "$3" ] || { cat "$1" >&2; fail "$1 line $2 is not: $3"; }
}
id="SPDX-License-Identifier: GPL-3.0-or-later"
expect src/a.h 1 "// $id"
expect src/a.h 2 "#pragma once"
expect run 1 "#!/bin/sh"
expect run 2 "# $id"
expect tool.py 3 "# $id"
expect CMakeLists.txt 1 "# $id"
expect docs/i.xml 4 "<!-- $id -->"
expect docs/i.xml 5 "<node/>"
expect docs/p.html 2 "<!-- $id -->"
expect x.1 1 ".\\\" $id"
expect x.desktop.in 1 "# $id"
expect src/theirs.cpp 1 "// SPDX-License-Identifier: MIT"
[ "$(cat README.md)" = "# Notes" ] || fail "README.md was changed"
[ -x run ] || fail "run lost its executable bit"
[ -L link ] || fail "the link was replaced"

git add -A
git -c user.name=t -c user.email=t@t commit -qm one
# Without --root it works on the repository of the current folder, wherever the script lies.
"$script" >/dev/null
[ -z "$(git status --porcelain)" ] || { git diff >&2; fail "a second run changed files"; }
"$script" --root "$work" --check || fail "--check fails after the lines were added"
echo PASS
