#!/usr/bin/env bash
# Runs a Windows test program under Wine, as ctest's emulator; tools/test.sh
# provides the display and the persistent wineserver.
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
exec wine "$@"
