#!/bin/bash
# With a code-signing certificate and key given, the release's programs and setup carry a valid
# signature: made here with a throwaway self-signed certificate, checked with osslsigncode.
#   signed.sh STAGE
set -euo pipefail
source "$(dirname "$0")/../tool/check.sh"
here=$(cd "$(dirname "$0")" && pwd)
stage=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quillmere test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
QUILLMERE_SIGN_CERT=$work/cert.pem QUILLMERE_SIGN_KEY=$work/key.pem \
    "$here/../../installer/make-release" "$stage" "$work/release" >"$work/output"
grep -q unsigned "$work/output" && fail "a release with a certificate says it is unsigned"

(cd "$work/release" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not check"
unzip -q "$work/release/"*.zip -d "$work/unpacked"
for program in "$work/release/"*-setup.exe "$work/unpacked/Quillmere/"{Quillview,Quillwake,quillbook}.exe; do
    osslsigncode verify -CAfile "$work/cert.pem" -in "$program" >"$work/verify" 2>&1 ||
        fail "$(basename "$program") has no valid signature: $(cat "$work/verify")"
done
echo "signed and verified: setup, Quillview.exe, Quillwake.exe, quillbook.exe"
