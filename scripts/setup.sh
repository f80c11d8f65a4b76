# Sourced by the scripts: what a fresh Debian machine lacks, the Wine environment the tool
# is tested in, and a private X display. Everything here is idempotent.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${COUPONPASTE_BUILD:-$root/build}

say() { printf '== %s\n' "$*" >&2; }

apt_updated=0
apt_install() {  # apt_install PACKAGE... : installs only the ones missing
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    if [ $apt_updated -eq 0 ]; then
        say "apt-get update"
        $sudo apt-get update -q >/dev/null
        apt_updated=1
    fi
    say "installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
        "${missing[@]}" >/dev/null
}

ensure_native_tools() {
    apt_install cmake make g++ googletest libbenchmark-dev clang libclang-rt-dev
}

# The cross compilers and what the release package is made with: no Wine.
ensure_package_tools() {
    apt_install cmake make git g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
        binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 python3 coreutils unzip
}

ensure_windows_tools() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        local sudo=
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo dpkg --add-architecture i386
        apt_updated=0
    fi
    apt_install g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 \
        binutils-mingw-w64-x86-64 wine wine64 wine32:i386 xvfb x11-utils imagemagick locales
    # Chinese captions need a CJK font; Wine's own fonts bring Marlett for the title bar glyphs.
    apt_install fonts-wqy-microhei fonts-wine
    if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
        local sudo=
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        say "generating the zh_CN.UTF-8 locale"
        $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen ||
            echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen >/dev/null
    fi
}

# The environment every Wine run of the tool uses: the Chinese code page (936), quiet, no
# .NET or HTML engine downloads, and a prefix of our own inside the build folder.
wine_environment() {
    export LC_ALL=zh_CN.UTF-8
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX=${COUPONPASTE_WINEPREFIX:-$build/wineprefix}
    export COUPONPASTE_WINEPREFIX=$WINEPREFIX
    use_64bit_wine_where_32bit_cannot_run
}

# Debian's `wine` starts Wine's 32-bit loader first, even for a 64-bit program. A kernel whose
# 32-bit emulation is switched off cannot run that loader at all: there Wine is started through
# its 64-bit loader, and only the 64-bit programs can be tried. wine32_runs tells which.
wine32_runs=1
use_64bit_wine_where_32bit_cannot_run() {
    local loader32=/usr/lib/wine/wine loader64=/usr/lib/wine/wine64
    if [ ! -x "$loader32" ] || "$loader32" --version >/dev/null 2>&1; then
        return 0
    fi
    wine32_runs=0
    local shims=$build/wine64-only name
    mkdir -p "$shims"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec %s "$@"\n' "$loader64" >"$shims/$name"
        chmod +x "$shims/$name"
    done
    case ":$PATH:" in
        *":$shims:"*) ;;
        *) export PATH="$shims:$PATH" ;;
    esac
    export WINELOADER=$loader64
}

xvfb_pid=
start_display() {  # start_display [WIDTHxHEIGHTxDEPTH]: a private Xvfb on the first free number
    local size=${1:-1280x1024x24} n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        local tries
        for tries in $(seq 1 100); do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        # Gone already (another server took the number first) or never answering: the next.
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            say "Xvfb on :$n does not answer; trying the next display"
            kill "$xvfb_pid" 2>/dev/null || true
        else
            say "Xvfb on :$n ended at start; trying the next display"
        fi
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    say "no X display could be started"
    return 1
}

stop_wine_and_display() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

ensure_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        say "creating the Wine prefix $WINEPREFIX (once)"
        mkdir -p "$WINEPREFIX"
        if ! wine wineboot --init >/dev/null 2>&1; then
            say "wineboot could not create the Wine prefix $WINEPREFIX"
            return 1
        fi
        wineserver -w
    fi
    # A crashing test program would otherwise wait in Wine's crash dialog until CTest's timeout.
    if [ ! -f "$WINEPREFIX/.no-crash-dialog" ]; then
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1 && touch "$WINEPREFIX/.no-crash-dialog" ||
            say "warning: Wine's crash dialog stays on: a crashing test waits for its timeout"
    fi
    # Debian's Wine does not look in its own font folder; the prefix gets Marlett itself.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
}

configure_and_build() {  # configure_and_build DIR [cmake args...]
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
