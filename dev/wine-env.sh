# Sourced by the Windows scripts: fresh Wine prefixes in the build folder, set
# up like a Chinese Windows (code page 936, 宋体 and 楷体_GB2312 as named
# fonts), with a display driver that falls back to none when there is no X
# display: wine-prefix at 96 DPI, and wine-prefix-192 at 192 DPI (200 %)
# unless the second argument says without-high-dpi. What Wine says while
# setting them up goes to wine-setup.log beside them; a step that fails names
# itself and shows the end of that log.
# Usage: source dev/wine-env.sh <build folder> [without-high-dpi]
wine_build=$(realpath -m "$1")
export WINEPREFIX="$wine_build/wine-prefix"
export HOME="$wine_build/wine-home"
export WINEDEBUG=-all
# Without winemenubuilder disabled, Wine writes menu entries into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes its code page from the C library's locale, which must exist.
if ! locale -a | grep -qx 'zh_CN.utf8'; then
    localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
export LANG=zh_CN.UTF-8
wine_setup_log="$wine_build/wine-setup.log"

# Runs one Wine command of the setup with Wine's errors on, into the log.
wine_setup() {
    local description=$1
    shift
    echo "== $WINEPREFIX: $*" >>"$wine_setup_log"
    if ! WINEDEBUG=-all,err+all "$@" </dev/null >>"$wine_setup_log" 2>&1; then
        echo "Wine could not $description in $WINEPREFIX: \`$*\` failed; the end of $wine_setup_log:" >&2
        tail -n 25 "$wine_setup_log" >&2
        return 1
    fi
}

wine_reg_add() {
    wine_setup "set a registry value" wine reg add "$@" /f
}

# Wine's own services inherit the first Wine process's output: a server kept
# running, started before them, keeps that output the log's, so that nothing
# waits on the pipes of a later command.
wine_start_prefix() {
    mkdir -p "$WINEPREFIX"
    wine_setup "start a Wine server" wineserver -p
    wine_setup "make or update the prefix" wine wineboot
}

rm -rf "$WINEPREFIX" "$WINEPREFIX-192" "$HOME" "$wine_setup_log"
mkdir -p "$HOME"
trap 'wineserver -k 2>/dev/null || true; WINEPREFIX="$WINEPREFIX-192" wineserver -k 2>/dev/null || true' EXIT
wine_start_prefix
wine_reg_add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null
fonts='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
wine_reg_add "$fonts" /v '宋体' /d 'AR PL UMing CN'
wine_reg_add "$fonts" /v '楷体_GB2312' /d 'AR PL UKai CN'
wine_reg_add "$fonts" /v 'SimSun' /d 'AR PL UMing CN' # the system's dialog font, as on Windows
wine_setup "stop its server, which writes the registry out before the copy" wineserver -k

if [ "${2:-}" != without-high-dpi ]; then
    cp -a "$WINEPREFIX" "$WINEPREFIX-192"
    (
        export WINEPREFIX="$WINEPREFIX-192"
        wine_start_prefix
        wine_reg_add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192
    )
fi
wine_start_prefix
