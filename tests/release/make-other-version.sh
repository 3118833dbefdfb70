#!/bin/bash
# Makes the release of another version from a stage folder, as a build of this tree with another
# version number would make it: the programs' caption "Quillmere VERSION" becomes "Quillmere
# OTHER" in their code and resources, and the setup installs and registers OTHER. OTHER is written
# with as many characters as VERSION, so that the programs' bytes are only changed, not moved.
#   make-other-version STAGE OTHER OUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
stage=$(realpath "$1") other=$2 out=$(realpath -m "$3")
version=$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$stage/version.nsh")
[[ ${#other} == "${#version}" ]] || { echo "make-other-version: $other is not as long as $version" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$stage/." "$work/"
# The caption as the code holds it (ANSI) and as the dialog templates do (UTF-16).
VERSION=$version OTHER=$other perl -0777 -pi -e '
    sub wide { join("", map { "$_\0" } split(//, $_[0])) }
    my ($from, $to) = ("Quillmere $ENV{VERSION}", "Quillmere $ENV{OTHER}");
    my $count = s/\Q$from\E/$to/g;
    my ($wideFrom, $wideTo) = (wide($from), wide($to));
    $count += s/\Q$wideFrom\E/$wideTo/g;
    die "no caption in $ARGV\n" unless $count;
' "$work/Quillmere/Quillview.exe"
sed -i "s/\"${version//./\\.}/\"$other/; s/Quillmere ${version//./\\.}\"/Quillmere $other\"/" "$work/version.nsh"
QUILLMERE_SIGN_CERT= QUILLMERE_SIGN_KEY= "$here/../../installer/make-release" "$work" "$out" >/dev/null
