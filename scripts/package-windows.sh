#!/usr/bin/env bash
# Builds the whole program for 64-bit Windows and tries it under Wine.
#   bash scripts/package-windows.sh
# Fetches Debian's sources of OpenSSL, curl and Qt 6 base through a private APT
# source list (the system's APT setup is left as it is), cross-builds them with
# the posix mingw-w64 toolchain into a cache outside the repository, builds the
# program and the transport and signing tests, runs those tests under Wine
# against pyftpdlib on 127.0.0.1, gathers dist/torvaval-windows-x64.zip and
# smoke-runs torvaval.exe on a virtual display against the service simulator.
# Later runs reuse every library in the cache ($TORVA_WIN_CACHE, by default
# ${XDG_CACHE_HOME:-$HOME/.cache}/torvaval-windows).
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
cache="${TORVA_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/torvaval-windows}"
jobs="${TORVA_WIN_JOBS:-2}"
triple=x86_64-w64-mingw32
prefix="$cache/prefix"
qt_prefix="$prefix/qt"
qt_host_cmake=/usr/lib/x86_64-linux-gnu/cmake
mkdir -p "$cache/src" "$cache/build" "$prefix"

# Each step says what it does and how long it took; a stamp in the cache marks
# a step done, written only when it succeeded.
step_started=0
step() {
    step_started=$SECONDS
    printf '\n== %s\n' "$*"
}
step_done() {
    printf '== done in %s\n' "$(elapsed $((SECONDS - step_started)))"
}
elapsed() {
    printf '%dm%02ds' $(($1 / 60)) $(($1 % 60))
}
stamped() {
    [ -f "$cache/stamps/$1" ]
}
stamp() {
    mkdir -p "$cache/stamps"
    date -u +%FT%TZ >"$cache/stamps/$1"
}
die() {
    echo "package-windows: $*" >&2
    exit 1
}
# Heavy work yields to everything else on the machine.
low() {
    nice -n 19 ionice -c3 "$@"
}

bash "$repo/scripts/install-deps.sh" zip unzip dpkg-dev debian-archive-keyring
for tool in ${triple}-gcc-posix ${triple}-g++-posix ${triple}-windres wine cmake ninja \
    dpkg-source apt-get xvfb-run zip unzip xdotool import; do
    command -v "$tool" >/dev/null || die "missing $tool (see README, Building for Windows)"
done

# --- Sources --------------------------------------------------------------
# apt-get with its own source list, package lists and archive cache, all in
# the cache folder; the sources unpack there too.
apt_dir="$cache/apt"
apt_private() {
    apt-get -q \
        -o Dir::Etc::SourceList="$apt_dir/sources.list" \
        -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$apt_dir/lists" \
        -o Dir::Cache="$apt_dir/cache" \
        -o APT::Sandbox::User="$(id -un)" \
        "$@"
}
apt_cache() {
    apt-cache \
        -o Dir::Etc::SourceList="$apt_dir/sources.list" \
        -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$apt_dir/lists" \
        -o Dir::Cache="$apt_dir/cache" \
        "$@"
}
fetch_sources() {
    step "Fetching Debian's sources of OpenSSL, curl and Qt 6 base"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    cat >"$apt_dir/sources.list" <<'LIST'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
LIST
    apt_private update >/dev/null
    local pkg dir
    for pkg in openssl curl qt6-base; do
        dir="$cache/src/$pkg"
        if [ -f "$dir/.unpacked" ]; then
            continue
        fi
        rm -rf "$dir" "$dir.tmp"
        mkdir -p "$dir.tmp"
        # The newest version whose files the mirror serves: a security
        # update may be listed before its files reach the mirror.
        local version fetched=
        for version in $(apt_cache showsrc --only-source "$pkg" |
            sed -n 's/^Version: //p' | sort -rV); do
            if (cd "$dir.tmp" && apt_private source --download-only "$pkg=$version" \
                >"$dir.tmp/fetch.log" 2>&1); then
                fetched=$version
                break
            fi
            echo "   $pkg $version: not served, trying an older version"
            find "$dir.tmp" -mindepth 1 -delete
        done
        [ -n "$fetched" ] || die "no version of $pkg could be fetched"
        (cd "$dir.tmp" && dpkg-source --no-check -x ./*.dsc tree >/dev/null)
        mv "$dir.tmp/tree" "$dir"
        rm -rf "$dir.tmp"
        touch "$dir/.unpacked"
        echo "   $pkg $fetched"
    done
    stamp sources
    step_done
}

# --- OpenSSL and curl ------------------------------------------------------
# Static libraries, so the program carries them inside it.
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"
unset PKG_CONFIG_PATH
build_openssl() {
    step "Cross-building OpenSSL (libcrypto, libssl; static)"
    local b="$cache/build/openssl"
    rm -rf "$b"
    cp -a "$cache/src/openssl" "$b"
    (cd "$b" &&
        CC=${triple}-gcc-posix AR=${triple}-ar RANLIB=${triple}-ranlib RC=${triple}-windres \
            ./Configure mingw64 no-shared no-tests no-engine no-module \
            --prefix="$prefix" --libdir=lib >"$b.log" 2>&1 &&
        low make -j"$jobs" build_libs >>"$b.log" 2>&1 &&
        make install_dev >>"$b.log" 2>&1) || {
        tail -30 "$b.log"
        die "OpenSSL build failed; whole log: $b.log"
    }
    rm -rf "$b"
    stamp openssl
    step_done
}

build_curl() {
    step "Cross-building libcurl (FTP, on OpenSSL; static)"
    local b="$cache/build/curl"
    local off=()
    local proto
    # HTTP stays: Debian's curl 7.88 does not link without it (its FTP code
    # calls into the HTTP code); ALTSVC and HSTS go with the other protocols.
    for proto in DICT FILE GOPHER IMAP LDAP LDAPS MQTT POP3 RTSP SMB SMTP TELNET TFTP \
        ALTSVC HSTS; do
        off+=("-DCURL_DISABLE_$proto=ON")
    done
    rm -rf "$b"
    (low cmake -S "$cache/src/curl" -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR= \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix;/usr/$triple" \
        -DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF \
        -DCURL_USE_OPENSSL=ON -DOPENSSL_ROOT_DIR="$prefix" -DOPENSSL_USE_STATIC_LIBS=ON \
        -DCURL_USE_LIBSSH2=OFF -DCURL_ZLIB=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF \
        -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DENABLE_UNIX_SOCKETS=OFF -DCURL_CA_BUNDLE=none \
        -DCURL_CA_PATH=none "${off[@]}" >"$b.log" 2>&1 &&
        low cmake --build "$b" --parallel "$jobs" >>"$b.log" 2>&1 &&
        cmake --install "$b" >>"$b.log" 2>&1) || {
        tail -30 "$b.log"
        die "curl build failed; whole log: $b.log"
    }
    rm -rf "$b"
    stamp curl
    step_done
}

# --- The program's libraries and their tests --------------------------------
build="$repo/build-win-package"
configure_program() {
    # The program alone (ui ON) leaves out the tests: the windows' tests need
    # Qt Test, which the cross-built Qt does not carry.
    local ui="$1" tests=ON
    [ "$ui" = ON ] && tests=OFF
    # -O2: mingw's GCC 12 gives false -Wrestrict warnings on std::string at -O3.
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVA_WERROR=ON \
        -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw64.cmake" \
        -DCMAKE_FIND_ROOT_PATH="$prefix;$qt_prefix" \
        -DTORVA_BUILD_ADAPTERS=ON -DTORVA_BUILD_UI="$ui" -DTORVA_BUILD_TESTS="$tests" \
        -DOPENSSL_ROOT_DIR="$prefix" -DOPENSSL_USE_STATIC_LIBS=ON \
        -DCURL_DIR="$prefix/lib/cmake/CURL" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$qt_host_cmake" \
        -DCMAKE_PREFIX_PATH="$qt_prefix" >"$build.log" 2>&1 || {
        tail -40 "$build.log"
        die "configuration of the program failed; whole log: $build.log"
    }
}
build_targets() {
    low cmake --build "$build" --parallel "$jobs" --target "$@" >>"$build.log" 2>&1 || {
        grep -E -B2 -A12 'error|FAILED' "$build.log" | head -60
        die "build of $* failed; whole log: $build.log"
    }
}
test_adapters() {
    step "Building the FTP client and signing tests and running them under Wine"
    configure_program OFF
    build_targets test_transport test_signing torva-verify
    (cd "$build" && ctest --output-on-failure -R '^(transport|signing)$') || {
        die "the transport or signing tests failed under Wine"
    }
    step_done
}

# --- Qt 6 base -------------------------------------------------------------
# Shared Qt (Core, Gui, Widgets, PrintSupport and the Windows platform plugin)
# with the C and C++ runtimes linked in, built against Debian's host Qt tools
# of the same version. The build folder stays between runs, so an interrupted
# build goes on where it stopped.


build_qt() {
    step "Cross-building Qt 6 base (Core, Gui, Widgets, PrintSupport, windows plugin)"
    [ -f "$qt_host_cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake" ] ||
        die "missing the host Qt 6 tools: apt-get install qt6-base-dev qt6-base-dev-tools"
    local b="$cache/build/qt6-base"
    # Debian's sources leave out the Wintab header of the Windows plugin's
    # tablet support: the plugin is built without it (Qt's pen input through
    # Windows pointer messages stays).
    local plugin="$cache/src/qt6-base/src/plugins/platforms/windows"
    if [ ! -f "$plugin/.no-wintab" ]; then
        sed -i 's/QT_CONFIG(tabletevent)/0 \/\* no Wintab \*\//' "$plugin"/*.cpp "$plugin"/*.h
        sed -i 's/CONDITION QT_FEATURE_tabletevent/CONDITION FALSE/' "$plugin/CMakeLists.txt" \
            "$plugin/../direct2d/CMakeLists.txt"
        touch "$plugin/.no-wintab"
    fi
    if [ ! -f "$b/.configured" ]; then
        rm -rf "$b"
        mkdir -p "$b"
        low cmake -S "$cache/src/qt6-base" -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw64.cmake" \
            -DCMAKE_CROSSCOMPILING_EMULATOR= \
            -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$qt_host_cmake" \
            -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
            -DBUILD_WITH_PCH=ON \
            -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
            -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_opengl=OFF \
            -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_freetype=OFF \
            -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF \
            -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
            -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF \
            -DFEATURE_system_doubleconversion=OFF >"$b.log" 2>&1 || {
            tail -40 "$b.log"
            die "Qt configuration failed; whole log: $b.log"
        }
        touch "$b/.configured"
    fi
    (low cmake --build "$b" --parallel "$jobs" >>"$b.log" 2>&1 &&
        cmake --install "$b" >>"$b.log" 2>&1) || {
        tail -40 "$b.log"
        die "Qt build failed (run again to go on); whole log: $b.log"
    }
    stamp qt6-base
    step_done
}

# --- The program and its package --------------------------------------------
zip_path="$repo/dist/torvaval-windows-x64.zip"
# Copies into $2 the DLLs that $1 needs from the Qt, compiler and mingw
# folders, and theirs in turn; the rest are Windows' own.
dll_dirs=("$qt_prefix/bin" "$(dirname "$(${triple}-g++-posix -print-file-name=libstdc++-6.dll)")"
    "/usr/$triple/lib")
copy_dlls() {
    local file="$1" dest="$2" dll dir
    for dll in $(${triple}-objdump -p "$file" | sed -n 's/^\tDLL Name: //p'); do
        [ -f "$dest/$dll" ] && continue
        for dir in "${dll_dirs[@]}"; do
            if [ -f "$dir/$dll" ]; then
                cp "$dir/$dll" "$dest/"
                copy_dlls "$dest/$dll" "$dest"
                break
            fi
        done
    done
}
package_program() {
    step "Building torvaval.exe and gathering $(basename "$zip_path")"
    configure_program ON
    build_targets torvaval torva-verify
    local stage="$build/package"
    rm -rf "$stage"
    mkdir -p "$stage/plugins/platforms" "$stage/plugins/styles" "$stage/translations"
    cp "$build/src/app/torvaval.exe" "$build/tools/verify/torva-verify.exe" "$stage/"
    cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/plugins/platforms/"
    cp "$qt_prefix"/plugins/styles/*.dll "$stage/plugins/styles/" 2>/dev/null || true
    local file
    for file in "$stage"/*.exe "$stage"/plugins/*/*.dll; do
        copy_dlls "$file" "$stage"
    done
    # Qt's own dialogs in Spanish.
    local qm=/usr/share/qt6/translations/qtbase_es.qm
    [ -f "$qm" ] || die "missing $qm: apt-get install qt6-translations-l10n"
    cp "$qm" "$stage/translations/"
    printf '[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\nTranslations = translations\r\n' \
        >"$stage/qt.conf"
    mkdir -p "$(dirname "$zip_path")"
    rm -f "$zip_path.tmp"
    (cd "$stage" && zip -qr -X "$zip_path.tmp" .)
    mv "$zip_path.tmp" "$zip_path"
    echo "   $zip_path ($(du -h "$zip_path" | cut -f1)):"
    (cd "$stage" && find . -type f | sed 's|^\./|     |' | sort)
    step_done
}

# --- The smoke run -----------------------------------------------------------
# A fresh installation in a temporary folder: the demo profile "1234" with its
# folders, the zip unpacked beside usuarios.dat, the service simulator on
# 127.0.0.1. On a virtual display torvaval.exe enters the profile and runs
# one pass; the run passes when the files reach the simulator and a response
# comes back, and leaves a screenshot of the main window.
shot_path="$repo/dist/torvaval-windows-smoke.png"
smoke_run() {
    step "Smoke run of torvaval.exe under Wine against the service simulator"
    local work
    work="$(mktemp -d "${TMPDIR:-/tmp}/torva-winsmoke.XXXXXX")"
    local status=0
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        bash "$repo/scripts/package-windows.sh" --smoke-display "$work" || status=$?
    rm -rf "$work"
    [ "$status" = 0 ] || die "the smoke run failed"
    echo "   screenshot: $shot_path"
    step_done
}

# On the virtual display (see smoke_run): drives the windows with xdotool.
smoke_display() {
    local work="$1"
    local install="$work/instalacion" server="$work/servidor"
    # Read by the exit trap, after this function has returned.
    sim_pid="" app_pid=""
    export WINEPREFIX="$work/wine" WINEDEBUG=-all LC_ALL=C.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    unset LANGUAGE
    smoke_cleanup() {
        # Either may have ended already.
        [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
        wineserver -k 2>/dev/null || true
        [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
        wait 2>/dev/null || true
    }
    trap smoke_cleanup EXIT
    mkdir -p "$server"
    echo "   Wine prefix (first start of Wine)"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    /usr/bin/python3 "$repo/tools/torva_sim.py" --root "$server" --port 0 --delay 2 \
        --lifetime 600 >"$work/port" 2>"$work/sim.log" &
    sim_pid=$!
    local port="" _
    for _ in $(seq 100); do
        port="$(sed -n 's/^PORT //p' "$work/port" 2>/dev/null)"
        [ -n "$port" ] && break
        sleep 0.1
    done
    [ -n "$port" ] || die "the service simulator did not start"
    echo "   service simulator on 127.0.0.1:$port"
    /usr/bin/python3 "$repo/tools/make_demo.py" --wine --port "$port" "$install" >/dev/null
    unzip -q "$zip_path" -d "$install"
    local log
    log="$install/rec/1234$(date +%-j).log"
    count() {
        local n
        n="$(grep -c "^$1 - " "$log" 2>/dev/null)" || true
        echo "${n:-0}"
    }
    wait_for() {
        local seconds="$1"
        shift
        local end=$((SECONDS + seconds))
        until "$@"; do
            [ "$SECONDS" -lt "$end" ] || return 1
            kill -0 "$app_pid" 2>/dev/null || die "torvaval.exe ended early"
            sleep 0.5
        done
    }
    window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
    has_window() { [ -n "$(window "$1")" ]; }
    press() {
        xdotool windowactivate --sync "$(window "$1")" 2>/dev/null ||
            xdotool windowfocus --sync "$(window "$1")"
        xdotool key --clearmodifiers "$2"
    }
    at_least() { [ "$(count "$1")" -ge "$2" ]; }
    (cd "$install" && exec wine torvaval.exe) >"$work/wine.log" 2>&1 &
    app_pid=$!
    wait_for 120 has_window '^TORVA - Centro de Prevalidación$' ||
        die "the start-up window did not open"
    echo "   start-up window open; entering the profile 1234"
    press '^TORVA - Centro de Prevalidación$' alt+e
    wait_for 60 has_window 'Patente' || die "the main window did not open"
    sleep 2
    press 'Patente' alt+i
    echo "   Iniciar pressed"
    wait_for 90 at_least E 3 || die "the files did not reach the simulator"
    echo "   sent: $(count E) file(s); in the simulator: $(find "$server" -type f | wc -l) file(s)"
    wait_for 90 at_least R 1 || die "no response came back"
    sleep 2
    mkdir -p "$(dirname "$shot_path")"
    import -window "$(window 'Patente')" "$shot_path"
    echo "   received: $(count R) response(s)"
    press 'Patente' alt+s
    local _i
    for _i in $(seq 30); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.5
    done
}

if [ "${1:-}" = --smoke-display ]; then
    smoke_display "$2"
    exit 0
fi

# --- The run ---------------------------------------------------------------
started=$SECONDS
stamped sources || fetch_sources
stamped openssl || build_openssl
stamped curl || build_curl
test_adapters
if [ "${TORVA_WIN_ADAPTERS_ONLY:-}" = 1 ]; then
    printf '\nAdapters built and tested in %s (TORVA_WIN_ADAPTERS_ONLY=1: no Qt, no package).\n' \
        "$(elapsed $((SECONDS - started)))"
    exit 0
fi
stamped qt6-base || build_qt
package_program
smoke_run
printf '\nDone in %s: %s and %s\n' "$(elapsed $((SECONDS - started)))" "$zip_path" "$shot_path"
