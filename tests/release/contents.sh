#!/bin/bash
# The release folder holds the zip, the setup, their sums, which check, and the manifests; the zip holds exactly
# what is installed, with the programs stripped and the user guides, in English and in Spanish, in CR LF lines.
#   contents.sh RELEASE_FOLDER VERSION PLAN_BOOK...
set -euo pipefail
source "$(dirname "$0")/../tool/check.sh"
release=$1 version=$2
shift 2
zip=Quillmere-$version-win64.zip setup=Quillmere-$version-setup.exe

[[ $(ls "$release" | sort) == "$(printf '%s\n' "$setup" "$zip" SHA256SUMS quillmere.json winget | sort)" ]] ||
    fail "the release folder holds: $(ls "$release")"
(cd "$release" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not check"
(($(stat -c %s "$release/$setup") < 5 * 1024 * 1024)) || fail "the setup is 5 MiB or larger"

expected=$(printf 'Quillmere/%s\n' '' Quillview.exe Quillwake.exe quillmere.pdb quill.wav quillbook.exe README.txt LEAME.txt \
    LICENSE readings-example.txt "$@" | sort)
[[ $(unzip -Z1 "$release/$zip" | sort) == "$expected" ]] || fail "the zip holds: $(unzip -Z1 "$release/$zip")"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$release/$zip" -d "$unpacked"
for program in Quillview.exe Quillwake.exe quillbook.exe; do
    x86_64-w64-mingw32-objdump -t "$unpacked/Quillmere/$program" | grep -q '^no symbols' ||
        fail "$program is not stripped"
done
for guide in README.txt LEAME.txt; do
    grep -q "Quillmere $version" "$unpacked/Quillmere/$guide" || fail "$guide does not name version $version"
done
# Notepad takes a text without a byte order mark for the ANSI code page on older Windows, which
# would garble the Spanish guide's accents.
spanish=$unpacked/Quillmere/LEAME.txt
[[ $(head -c 3 "$spanish" | od -An -tx1 | tr -d ' ') == efbbbf ]] ||
    fail "LEAME.txt does not begin with the UTF-8 byte order mark"
iconv -f UTF-8 -t UTF-8 "$spanish" >/dev/null 2>&1 || fail "LEAME.txt is not UTF-8"
grep -q "Configuración" "$spanish" || fail "LEAME.txt lacks its accents"
for text in README.txt LEAME.txt LICENSE; do
    [[ $(grep -c $'\r$' "$unpacked/Quillmere/$text") == $(wc -l <"$unpacked/Quillmere/$text") ]] ||
        fail "$text has lines that do not end in CR LF"
done
grep -q "^MIT License" "$unpacked/Quillmere/LICENSE" || fail "LICENSE is not the MIT licence"
echo "release:" $(ls "$release")
