#!/usr/bin/env bash
# The Debian package: its dependencies come from the libraries the program
# links, and it holds the installed tree under /usr.
set -euo pipefail
BUILD_DIR="$1"
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || exit 77
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$WORK" >"$WORK/cpack.log" ||
    { cat "$WORK/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$WORK"/zefirant_*.deb)
dpkg-deb -I "$deb" >"$WORK/info"
dpkg-deb -c "$deb" >"$WORK/contents"
grep -q '^ Depends:.*libqt6widgets6' "$WORK/info" || fail "no library dependencies"
grep -q '^ Depends:.*qt6-qpa-plugins' "$WORK/info" || fail "no platform plugin dependency"
grep -q '^  For every .* the QSO date, the confirmation' "$WORK/info" || fail "description"
for path in ./usr/bin/zefirant ./usr/share/zefirant/dxcc_adif.mtb \
    ./usr/share/applications/zefirant.desktop ./usr/share/man/man1/zefirant.1 \
    ./usr/share/icons/hicolor/scalable/apps/zefirant.svg; do
    grep -q " $path\$" "$WORK/contents" || fail "$path missing"
done
echo "ok"
