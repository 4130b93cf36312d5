#!/usr/bin/env bash
# Checks what software centres read of the program: the metainfo validates, and its screenshots
# are exactly the pictures "make screenshots" writes into docs/screenshots.
# Usage: tests/packaging/check-metainfo.sh <source dir>
set -euo pipefail
root=${1:-.}
metainfo="$root/packaging/de.orvanto.Tessaline.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
listed=$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's|</image>||; s|.*/||' | sort)
present=$(cd "$root/docs/screenshots" && ls -1 -- *.png | sort)
if [ "$listed" != "$present" ]; then
  echo "The metainfo lists:" $listed
  echo "docs/screenshots holds:" $present
  exit 1
fi
defaults=$(grep -c '<screenshot type="default">' "$metainfo")
[ "$defaults" -eq 1 ] || { echo "$defaults screenshots are marked as the default one"; exit 1; }
