# Sourced by the scripts that run Windows programs: the test prefix's
# settings, and start_wine_session, which gives them a virtual display and one
# wineserver for the whole session, both ended when the script exits.

root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

start_wine_session() {  # SCREEN, e.g. 1280x1024x24
    local number=90
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
    wine_session_xvfb=$!
    export DISPLAY=":$number"
    trap 'wineserver -k >/dev/null 2>&1 || true; kill "$wine_session_xvfb" 2>/dev/null || true' EXIT
    sleep 1
    mkdir -p "$WINEPREFIX"
    wineserver -p || true  # one already running serves as well
    # Creates the prefix, or starts its services, here: a service started by
    # a test would inherit that test's output and keep ctest waiting for it.
    if [ -d "$WINEPREFIX/drive_c" ]; then wineboot; else wineboot --init; fi >/dev/null 2>&1
    # Xvfb runs no window manager: unmanaged windows spare Wine its two-second
    # wait for one on every window that is hidden or closed.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}
