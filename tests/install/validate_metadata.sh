#!/usr/bin/env bash
# The menu entry and the software centres' metadata pass their validators.
set -euo pipefail
DIST="$1/dist"
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || exit 77

desktop-file-validate "$DIST/zefirant.desktop"
# The component's id is the name the menu entry, the icon and the command
# share, not a reversed domain name.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$DIST/zefirant.metainfo.xml"
