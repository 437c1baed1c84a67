#!/usr/bin/env bash
# Renders the README's pictures into docs/ from a sample diary, offscreen.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$here/build/tools/orvane-screenshots" "$here/docs"
