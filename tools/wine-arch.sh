#!/usr/bin/env bash
# Prints the Windows build tree the tests run: win32, or win64 on a machine that cannot
# run 32-bit Linux programs (a kernel with its 32-bit emulation turned off). Wine's
# 32-bit loader is such a program, so there no 32-bit Windows program can start, and
# the tests run the same sources built for 64 bits under Wine's 64-bit loader instead.
# TIDY_WINE_ARCH=win32|win64 overrides the probe.
set -u
if [ -n "${TIDY_WINE_ARCH:-}" ]; then echo "$TIDY_WINE_ARCH"; exit 0; fi
probe=$(mktemp "${TMPDIR:-/tmp}/tidyhawk-ia32.XXXXXX") || { echo win32; exit 0; }
# The smallest 32-bit Linux program: exit(0).
printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
chmod +x "$probe"
if "$probe" 2>/dev/null; then echo win32; else echo win64; fi
rm -f "$probe"
