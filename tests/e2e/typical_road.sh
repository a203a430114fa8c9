#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The typical road as a user drives it; the steps and checks are in Python.
source "$(dirname "$0")/lib.sh"
command -v python3 >/dev/null || exit 77
python3 "$(dirname "$0")/typical_road.py" "$BINARY" "$SOURCE_DIR"
