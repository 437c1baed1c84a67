#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvane (under a virtual display
# when there is no display).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$here/build/src/orvane" "$@"
fi
exec "$here/build/src/orvane" "$@"
