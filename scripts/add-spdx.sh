#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file of the repository, in the
# comment form of the file's kind; a file that has it already is left as it is, so running
# it again changes nothing.
#   scripts/add-spdx.sh           add the line where it is missing
#   scripts/add-spdx.sh --check   change nothing; list the files without it, fail if any
# The line is the first of the file, or the second after a "#!" line or an XML declaration
# (which must stay first). The code, the help, the desktop entry and the build files are
# GPL-3.0-or-later; the AppStream metainfo is CC0-1.0, as software centres require of it.
# Pictures and wave files carry no comment: LICENSE and the package's copyright file cover
# them.
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
[ "${1:-}" = "--check" ] && check=true

licence=GPL-3.0-or-later
tag="SPDX-License-Identifier:"

# The files: what git knows of (tracked, or new and not ignored), else every file outside
# the build folders.
list_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard
    else
        find . -path ./.git -prune -o -path './build*' -prune -o -type f -print | sed 's|^\./||'
    fi
}

# The SPDX line of a file, by its kind; nothing for a file that carries none.
line_for() {
    local path=$1 name=${1##*/}
    case $name in
    *.metainfo.xml | *.metainfo.xml.in) echo "<!-- $tag CC0-1.0 -->" ;;
    *.cpp | *.h | *.h.in) echo "// $tag $licence" ;;
    CMakeLists.txt | *.cmake | *.sh | *.desktop) echo "# $tag $licence" ;;
    *.html) echo "<!-- $tag $licence -->" ;;
    *.[1-8]) echo ".\\\" $tag $licence" ;;
    *)
        # Scripts without a suffix (.ci/run): a shell's "#!" line.
        if [ -f "$path" ] && head -c 2 "$path" | grep -q '^#!'; then
            echo "# $tag $licence"
        fi
        ;;
    esac
}

# The line number the SPDX line belongs on: after a "#!" line or an XML declaration.
position_of() {
    local first
    first=$(head -n 1 "$1")
    case $first in
    '#!'* | '<?xml'*) echo 2 ;;
    *) echo 1 ;;
    esac
}

# The whole run is one function, read before it starts: the script gets its own line too.
main() {
    scratch=$(mktemp)
    trap 'rm -f "$scratch"' EXIT
    missing=0
    while IFS= read -r path; do
        [ -f "$path" ] || continue
        line=$(line_for "$path")
        [ -n "$line" ] || continue
        at=$(position_of "$path")
        if [ "$(sed -n "${at}p" "$path")" = "$line" ]; then
            continue
        fi
        if $check; then
            echo "no SPDX line: $path" >&2
            missing=$((missing + 1))
            continue
        fi
        if grep -q "$tag" <(head -n 3 "$path"); then
            echo "an SPDX line other than expected, left alone: $path" >&2
            missing=$((missing + 1))
            continue
        fi
        # Written over in place, so that the file keeps its mode (scripts stay executable).
        if [ "$at" = 1 ]; then
            { printf '%s\n' "$line"; cat "$path"; } >"$scratch"
        else
            { head -n 1 "$path"; printf '%s\n' "$line"; tail -n +2 "$path"; } >"$scratch"
        fi
        cat "$scratch" >"$path"
        echo "added: $path"
    done < <(list_files | sort)

    if $check; then
        if [ $missing -gt 0 ]; then
            echo "$missing source files without their SPDX line (scripts/add-spdx.sh adds it)" >&2
            exit 1
        fi
        echo "every source file carries its SPDX line"
    fi
    [ $missing -eq 0 ]
}

main "$@"; exit
