#!/usr/bin/env bash
# A script that does not name its licence.
echo
