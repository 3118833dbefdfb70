#!/bin/bash
# The release folder holds the zip, the setup, their sums, which check, and the manifests; the zip holds exactly
# what is installed, with the programs stripped and the user guide in CR LF lines.
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

expected=$(printf 'Quillmere/%s\n' '' Quillview.exe Quillwake.exe quillmere.pdb quill.wav quillbook.exe README.txt LICENSE "$@" |
    sort)
[[ $(unzip -Z1 "$release/$zip" | sort) == "$expected" ]] || fail "the zip holds: $(unzip -Z1 "$release/$zip")"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$release/$zip" -d "$unpacked"
for program in Quillview.exe Quillwake.exe quillbook.exe; do
    x86_64-w64-mingw32-objdump -t "$unpacked/Quillmere/$program" | grep -q '^no symbols' ||
        fail "$program is not stripped"
done
guide=$unpacked/Quillmere/README.txt
grep -q "Quillmere $version" "$guide" || fail "README.txt does not name version $version"
for text in README.txt LICENSE; do
    [[ $(grep -c $'\r$' "$unpacked/Quillmere/$text") == $(wc -l <"$unpacked/Quillmere/$text") ]] ||
        fail "$text has lines that do not end in CR LF"
done
grep -q "^MIT License" "$unpacked/Quillmere/LICENSE" || fail "LICENSE is not the MIT licence"
echo "release:" $(ls "$release")
