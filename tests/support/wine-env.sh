# Sourced by the scripts that run Windows programs under Wine in an X server.
# Sets up the Windows build's private Wine prefix:
#
#   . tests/support/wine-env.sh BUILD_WIN [NAME]
#
# - WINEPREFIX is BUILD_WIN/NAME (wine-prefix), created on first use;
# - Wine's own fonts are linked into the prefix's windows/Fonts, which
#   Debian's Wine leaves empty: without them "MS Sans Serif" silently becomes
#   another face and every label breaks differently;
# - wine_temp_dir prints the prefix's temporary folder as Wine itself reports
#   it, as a Unix path;
# - with PELMO_DPI set to another density than 96, the prefix is a copy of
#   that one, BUILD_WIN/NAME-DPI, whose "LogPixels" says so (as
#   winecfg's screen resolution sets it), with its wineserver restarted.

wine_build=$(cd "$1" && pwd)
wine_base=$wine_build/${2:-wine-prefix}
export WINEPREFIX=$wine_base
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix ..." >&2
    (unset DISPLAY; wineboot --init >/dev/null 2>&1 || true; wineserver --wait)
fi
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

# wine_dpi_prefix DPI: prints the prefix of that density, made first if need be.
wine_dpi_prefix() {
    local base=$wine_base dir=$wine_base-$1
    if [ "$1" = 96 ]; then
        echo "$base"
        return 0
    fi
    if [ ! -f "$dir/system.reg" ]; then
        (WINEPREFIX=$base wineserver -w 2>/dev/null || true)
        cp -a "$base" "$dir"
    fi
    (unset DISPLAY
     export WINEPREFIX=$dir
     wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
     wineserver -k 2>/dev/null || true
     wineserver -w 2>/dev/null || true)
    echo "$dir"
}

WINEPREFIX=$(wine_dpi_prefix "${PELMO_DPI:-96}")

# The temporary folder Windows programs in the prefix are given.
# A folder in the prefix, or the script ends: a wrong answer (Wine busy or
# still starting) would have the tests watch a file no program writes.
wine_temp_dir() {
    local windows unix
    for _ in 1 2 3 4 5; do
        windows=$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r') || true
        unix=$(winepath -u "$windows" 2>/dev/null) || true
        unix=$(readlink -f "$unix" 2>/dev/null) || true
        if [[ $windows == [A-Za-z]:\\* && $unix == "$(readlink -f "$WINEPREFIX")"/* ]]; then
            echo "$unix"
            return 0
        fi
        sleep 1
    done
    echo "FAIL Wine reports no temporary folder in $WINEPREFIX (%TEMP% is \"$windows\")" >&2
    return 1
}

# Ends every Wine process of the prefix and waits until they are gone.
wine_stop() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# Scripts that set up an X session leave no Wine process behind.
if declare -F on_exit >/dev/null; then
    on_exit wine_stop
fi
