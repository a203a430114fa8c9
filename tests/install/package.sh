#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: lintian finds no error and no warning; its dependencies
# come from the libraries the program links; it holds the installed tree
# under /usr with the copyright, the changelog and the compressed manual
# page; the binary is stripped and built with Debian's hardening.
source "$(dirname "$0")/../support/script_lib.sh"
BUILD_DIR="$1"
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null &&
    command -v lintian >/dev/null || exit 77

cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$WORK" >"$WORK/cpack.log" ||
    { cat "$WORK/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$WORK"/zefirant_*.deb)
lintian --fail-on error,warning "$deb" || fail "lintian"

dpkg-deb -I "$deb" >"$WORK/info"
dpkg-deb -c "$deb" >"$WORK/contents"
grep -q '^ Depends:.*libqt6widgets6' "$WORK/info" || fail "no library dependencies"
grep -q '^ Depends:.*qt6-qpa-plugins' "$WORK/info" || fail "no platform plugin dependency"
grep -q '^ Homepage: https://' "$WORK/info" || fail "no homepage"
for path in ./usr/bin/zefirant ./usr/share/zefirant/dxcc_adif.mtb \
    ./usr/share/applications/pl.zefirant.Zefirant.desktop \
    ./usr/share/metainfo/pl.zefirant.Zefirant.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/pl.zefirant.Zefirant.svg \
    ./usr/share/man/man1/zefirant.1.gz ./usr/share/doc/zefirant/copyright \
    ./usr/share/doc/zefirant/changelog.gz; do
    grep -q " $path\$" "$WORK/contents" || fail "$path missing"
done

dpkg-deb -x "$deb" "$WORK/tree"
program="$WORK/tree/usr/bin/zefirant"
# Read whole before matching: with pipefail, a reader that grep -q leaves
# early dies of SIGPIPE and fails the check.
kind=$(file "$program")
[[ $kind == *"pie executable"*", stripped"* ]] || fail "not a stripped PIE: $kind"
elf=$(readelf -W --dynamic --program-headers --dyn-syms "$program")
[[ $elf == *BIND_NOW* ]] || fail "no -z now"
[[ $elf == *GNU_RELRO* ]] || fail "no relro"
[[ $elf == *__stack_chk_fail* ]] || fail "no stack protector"
echo "ok"
