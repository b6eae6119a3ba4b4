# Wine environment for running and testing the Windows build (sourced by the scripts).
#   wine_env             exports LANG/LC_ALL (code page 932), WINEDEBUG, WINEDLLOVERRIDES
#   wine_prefix DIR ARCH creates and configures a prefix once (win32 or win64); quick after
#   wine_runs ARCH       0 when this machine can run Wine for ARCH (win32 needs 32-bit Linux
#                        programs, which some kernels cannot start)
#   wine_pick            sets wine_arch (win32, else win64), build_arch and build_dir to match
# Set-up needs no X display.

wine_env() {
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

wine_runs() {
    local loader=/usr/lib/wine/wine64
    [ "$1" = win32 ] && loader=/usr/lib/wine/wine
    "$loader" --version >/dev/null 2>&1
}

# Where 32-bit Linux programs cannot start, `wine` (and `wineboot`, through wine-stable) would
# still pick the 32-bit loader; the 64-bit one serves a win64 prefix on its own.
wine_use_64bit_loader() {
    local bin="${TMPDIR:-/tmp}/korvane-wine64-$(id -u)" name
    mkdir -p "$bin"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$bin/$name"
        chmod +x "$bin/$name"
    done
    export PATH="$bin:$PATH"
}

wine_pick() {
    if wine_runs win32; then
        wine_arch=win32 build_arch=i686 build_dir=build/win32
    else
        echo "wine: this machine cannot start 32-bit programs; using the 64-bit build" >&2
        wine_arch=win64 build_arch=x86_64 build_dir=build/win64
    fi
}

wine_prefix() {
    local dir="$1" arch="$2" stamp="$1/.korvane-prefix"
    local version="korvane-prefix 1 $arch"
    wine_env
    if [ "$arch" = win64 ] && ! wine_runs win32; then
        wine_use_64bit_loader
    fi
    export WINEPREFIX="$dir" WINEARCH="$arch"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then
        return 0
    fi
    if [ -f "$dir/system.reg" ] && ! grep -q "^#arch=$arch\$" "$dir/system.reg"; then
        rm -rf "$dir"
    fi
    mkdir -p "$(dirname "$dir")"
    echo "wine: preparing $arch prefix in $dir"
    env -u DISPLAY wineboot -i >/dev/null 2>&1 || { echo "wine: wineboot failed" >&2; return 1; }

    # Japanese faces map to the IPA fonts (Wine does not chain substitutes, hence the UI font
    # replacement); no window manager under Xvfb, so unmanaged windows (otherwise every
    # destroy waits 2 s); no crash dialog (it would hang a test run); no font smoothing, so
    # glyph pixels are repeatable.
    local reg="$dir/drive_c/korvane-prefix.reg"
    {
        printf '\xff\xfe'
        sed 's/$/\r/' <<'REG' | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ 明朝"="IPAMincho"
"ＭＳ Ｐ明朝"="IPAPMincho"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Mincho"="IPAMincho"
"MS PMincho"="IPAPMincho"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAPGothic"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"FontSmoothing"="0"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"mscoree"=""
"mshtml"=""
"winemenubuilder.exe"=""
REG
    } >"$reg"
    env -u DISPLAY wine regedit /S 'C:\korvane-prefix.reg' >/dev/null 2>&1 || { echo "wine: regedit failed" >&2; return 1; }
    # Caption buttons need Marlett, which this Wine build does not find on its own.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        cp -f /usr/share/wine/fonts/marlett.ttf "$dir/drive_c/windows/Fonts/"
    fi
    wineserver -k 2>/dev/null || true  # also writes the registry files
    wineserver -w 2>/dev/null || true
    grep -q '"Managed"="N"' "$dir/user.reg" || { echo "wine: prefix settings not written" >&2; return 1; }
    echo "$version" >"$stamp"
}
