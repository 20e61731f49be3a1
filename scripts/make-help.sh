#!/usr/bin/env bash
# Rebuilds help/Pelmora.chm from the pages in help/. The compiled file is committed, so a
# build needs no help compiler; run this after changing a page and commit the result.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages fp-utils
cd help
chmcmd Pelmora.hhp
