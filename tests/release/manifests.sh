#!/bin/bash
# The winget and Scoop manifests of a release name its setup and zip with their SHA-256 and hold
# what the package managers need; the files are downloaded from the product's web address.
#   manifests.sh RELEASE_FOLDER VERSION
set -euo pipefail
source "$(dirname "$0")/../tool/check.sh"
release=$1 version=$2
setup=Quillmere-$version-setup.exe zip=Quillmere-$version-win64.zip
sum() { awk -v file="$1" '$2 == file { print $1 }' "$release/SHA256SUMS"; }
url=https://quillmere.example

winget=$release/winget
[[ $(ls "$winget") == $'Quillmere.Quillmere.installer.yaml\nQuillmere.Quillmere.locale.en-US.yaml\nQuillmere.Quillmere.yaml' ]] ||
    fail "winget/ holds: $(ls "$winget")"
# Each line of a manifest, as a line of its own: KEY: VALUE, indented as in the file.
has() {
    grep -qxF -- "$2" "$winget/Quillmere.Quillmere.$1" || fail "Quillmere.Quillmere.$1 has no line '$2'"
}
for manifest in yaml installer.yaml locale.en-US.yaml; do
    has "$manifest" "PackageIdentifier: Quillmere.Quillmere"
    has "$manifest" "PackageVersion: \"$version\""
    has "$manifest" "ManifestVersion: 1.6.0"
done
has yaml "DefaultLocale: en-US"
has yaml "ManifestType: version"
has installer.yaml "InstallerType: nullsoft"
has installer.yaml "Scope: user"
has installer.yaml "ProductCode: Quillmere"
has installer.yaml "AppsAndFeaturesEntries:"
has installer.yaml "    DisplayVersion: \"$version\""
has installer.yaml "  - Architecture: x64"
has installer.yaml "    InstallerUrl: $url/$setup"
has installer.yaml "    InstallerSha256: \"$(sum "$setup" | tr a-f A-F)\""
has installer.yaml "ManifestType: installer"
has locale.en-US.yaml "PackageLocale: en-US"
has locale.en-US.yaml "License: MIT"
has locale.en-US.yaml "PackageUrl: $url"
has locale.en-US.yaml "ManifestType: defaultLocale"
grep -q "^ShortDescription: ." "$winget/Quillmere.Quillmere.locale.en-US.yaml" || fail "no ShortDescription"

scoop=$release/quillmere.json
field() { jq -r "$1" "$scoop" || fail "quillmere.json is not JSON"; }
[[ $(field .version) == "$version" ]] || fail "Scoop: version $(field .version)"
[[ $(field .license) == MIT ]] || fail "Scoop: license $(field .license)"
[[ $(field .homepage) == "$url" ]] || fail "Scoop: homepage $(field .homepage)"
[[ $(field .url) == "$url/$zip" ]] || fail "Scoop: url $(field .url)"
[[ $(field .hash) == "$(sum "$zip")" ]] || fail "Scoop: hash $(field .hash)"
[[ $(field .extract_dir) == Quillmere ]] || fail "Scoop: extract_dir $(field .extract_dir)"
[[ $(field .bin) == quillbook.exe ]] || fail "Scoop: bin $(field .bin)"
[[ $(field '.shortcuts[0][0]') == Quillview.exe ]] || fail "Scoop: no shortcut to the reader"
[[ $(field '.persist | join(" ")') == "settings.dat progress.dat" ]] || fail "Scoop: persist $(field .persist)"
[[ $(field '.pre_install | length') == 2 && $(field '.pre_uninstall | length') == 3 ]] ||
    fail "Scoop: not every kept file stands in before it is written and is kept on removal"
[[ -n $(field .description) ]] || fail "Scoop: no description"

# The folder the files are downloaded from is a setting.
other=$(mktemp -d)
trap 'rm -rf "$other"' EXIT
cp "$release/SHA256SUMS" "$other/"
QUILLMERE_DOWNLOAD_URL=https://downloads.example/quillmere/ "$(dirname "$0")/../../installer/make-manifests" \
    "$other" "$version" "$url" settings.dat progress.dat
grep -qxF "    InstallerUrl: https://downloads.example/quillmere/$setup" "$other/winget/Quillmere.Quillmere.installer.yaml" ||
    fail "QUILLMERE_DOWNLOAD_URL does not reach the winget manifest"
[[ $(jq -r .url "$other/quillmere.json") == "https://downloads.example/quillmere/$zip" ]] ||
    fail "QUILLMERE_DOWNLOAD_URL does not reach the Scoop manifest"
echo "manifests: winget and Scoop name $setup and $zip with their SHA-256"
