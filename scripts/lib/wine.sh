# Shared by scripts/test and scripts/run: a headless X display and a private,
# prepared Wine prefix. Source it; it defines functions only.

# Starts Xvfb on a free display and exports DISPLAY. Sets xvfb_pid.
start_xvfb() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    local tries=0
    while [ ! -s "$display_file" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            rm -f "$display_file"
            echo "could not start Xvfb" >&2
            return 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"
    rm -f "$display_file"
}

stop_xvfb() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

# Exports the Wine environment for the prefix given as $1.
use_wine_prefix() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    # Saving a shell link would otherwise start winemenubuilder.
    export WINEDLLOVERRIDES=winemenubuilder.exe=d
    export WINEARCH=win64
}

# Creates the prefix once. Faces the calendar asks for by default are mapped to
# metric-compatible free fonts, so pictures look as they do on Windows.
prepare_wine_prefix() {
    if [ -f "$WINEPREFIX/.vesm-ready" ]; then
        return 0
    fi
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || return 1
    local key='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$key" /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1 &&
        wine reg add "$key" /v 'Arial' /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1 &&
        wine reg add "$key" /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f >/dev/null 2>&1 ||
        return 1
    wineserver --wait
    touch "$WINEPREFIX/.vesm-ready"
}

# The Windows C runtime reads TZ in its own "NAME[+-]h" form and takes an Olson
# name such as Asia/Tokyo for UTC. JST-9 means Japan time to both Wine and the
# runtime. Without TZ both follow the machine's zone.
windows_tz() {
    case "${TZ:-}" in
        Asia/Tokyo | Japan) echo JST-9 ;;
        *) echo "${TZ:-}" ;;
    esac
}
