# Shared by ./run and ./test: installing what is missing and configuring a build.
set -euo pipefail

fail() {
    printf 'vantrel: %s\n' "$*" >&2
    exit 1
}

# The Debian packages a build needs, and the ones the tests need on top.
# scdoc and rsvg-convert make the manual pages and the icons; nlohmann-json3-dev
# writes vantrel-lookup's --json output; the error headers of mingw-w64-common
# become the built-in catalogue of codes.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev libx11-dev
                libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation scdoc librsvg2-bin
                nlohmann-json3-dev mingw-w64-common)
# Wine's kernelbase.dll carries the system message table the program shows;
# mingw-w64-common holds the winerror.h the first session of the README loads.
RUN_PACKAGES=(libwine mingw-w64-common)
# clang and its runtime build the fuzz targets; openbox, trayer (a notification
# area), x11-utils (xprop, xwininfo) and imagemagick (screenshots) make the
# desktop of the desktop tests; clang-format checks the sources' layout.
TEST_PACKAGES=(libwine xvfb xauth xclip xdotool mingw-w64-common poppler-utils clang libclang-rt-14-dev
               openbox trayer x11-utils imagemagick clang-format)

# cpack's dpkg-shlibdeps and file, and the checks of the package.
PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils appstream lintian)
# The core and vantrel-lookup cross-built for Windows; g++ builds the
# catalogue's generator for this machine, and the JSON library (headers only)
# serves both machines.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix mingw-w64-common nlohmann-json3-dev
                        scdoc gzip)
# Their tests, with GoogleTest from source, run under Wine.
WINDOWS_TEST_PACKAGES=("${WINDOWS_BUILD_PACKAGES[@]}" googletest wine wine64)

# Installs the packages that are not installed yet; does nothing when all are.
install_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    command -v apt-get >/dev/null || fail "apt-get not found; install by hand: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || fail "root rights are needed to install: ${missing[*]}"
        sudo=(sudo)
    fi
    echo "vantrel: installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq \
        || fail "apt-get update failed"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" \
        || fail "could not install: ${missing[*]}"
}

WINDOWS_TOOLCHAIN=$ROOT/cmake/toolchain-mingw64.cmake

# configure_windows <host build dir> <build dir> <cmake args...>: a cross
# build for Windows. The built-in catalogue is written at build time by a
# program that must run here, so it is built for this machine first.
configure_windows() {
    local host=$1 dir=$2
    shift 2
    cmake -S "$ROOT" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF \
        -DVANTREL_BENCH=OFF >/dev/null || fail "cmake could not configure $host"
    cmake --build "$host" -j2 --target make_catalogue >/dev/null || fail "make_catalogue did not build in $host"
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" -DVANTREL_WERROR=ON \
        -DVANTREL_GUI=OFF -DVANTREL_BENCH=OFF -DVANTREL_MAKE_CATALOGUE="$host/make_catalogue" "$@" >/dev/null \
        || fail "cmake could not configure $dir"
}

# configure_and_build <build dir> <cmake args...>
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null || fail "cmake could not configure $dir"
    cmake --build "$dir" -j2 || fail "the build in $dir failed"
}
