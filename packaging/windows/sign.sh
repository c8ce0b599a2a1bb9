#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Signs a Windows program in place with osslsigncode (Authenticode, SHA-256) when a certificate is given, with a
# time stamp when a time-stamp server is given; without a certificate it says that the file stays unsigned.
# Usage: sign.sh FILE [PKCS12-FILE [TIMESTAMP-URL]]   (either may be empty; the certificate's password is read from
#        TAVREL_SIGN_PASSWORD, never from the command line)
set -euo pipefail
file="$1" pkcs12="${2:-}" timestamp="${3:-}"
name="$(basename "$file")"
if [ -z "$pkcs12" ]; then
    echo "$name: unsigned (no certificate: TAVREL_SIGN_PKCS12 was empty when the build was configured)"
    exit 0
fi
if [ -z "${TAVREL_SIGN_PASSWORD+set}" ]; then
    echo "$name: the password of $pkcs12 is not in TAVREL_SIGN_PASSWORD" >&2
    exit 1
fi
args=(sign -pkcs12 "$pkcs12" -readpass - -h sha256 -n Tavrel)
[ -n "$timestamp" ] && args+=(-ts "$timestamp")
rm -f "$file.signed"
printf '%s' "$TAVREL_SIGN_PASSWORD" | osslsigncode "${args[@]}" -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
echo "$name: signed with $(basename "$pkcs12")${timestamp:+, time-stamped by $timestamp}"
