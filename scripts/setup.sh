#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for both builds and prepares the third-party sources that
# the Windows build compiles itself. Safe to run any number of times: it only does what is missing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps="${TARVEL_DEPS_DIR:-$root/.deps}"

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive

packages=(
    cmake ninja-build g++ make pkg-config python3 xz-utils dpkg-dev tcl
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine wine32:i386 xvfb xauth
    libsqlite3-dev libpugixml-dev libxslt1-dev xsltproc
    googletest libgtest-dev libbenchmark-dev
    clang-format locales
    chromium poppler-utils fonts-liberation
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

updated=0
apt_update() {
    if [ "$updated" -eq 0 ]; then
        "${sudo_cmd[@]}" apt-get update -qq
        updated=1
    fi
}

if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo_cmd[@]}" dpkg --add-architecture i386
    fi
    apt_update
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A locale with a decimal comma, so the tests can show that numbers never follow the C locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    "${sudo_cmd[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 >/dev/null 2>&1 || true
fi

# Source packages of the distribution give the Windows build its SQLite and pugixml.
if [ ! -f "$deps/sqlite/sqlite3.c" ] || [ ! -f "$deps/pugixml/pugixml.cpp" ]; then
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
        suites=$(awk '/^Suites:/{ $1=""; print; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
        uris=$(awk '/^URIs:/{ print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
        if [ -n "$suites" ] && [ -n "$uris" ]; then
            printf 'Types: deb-src\nURIs: %s\nSuites:%s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
                "$uris" "$suites" | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/tarvel-deb-src.sources >/dev/null
        else
            codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
            mirror=$(grep -hm1 -oE 'https?://[^ ]+/debian/?' /etc/apt/sources.list 2>/dev/null || true)
            if [ -z "$mirror" ]; then
                echo "setup: no Debian package source is configured; add a deb-src entry for $codename" >&2
                exit 1
            fi
            echo "deb-src $mirror $codename main" |
                "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/tarvel-deb-src.list >/dev/null
        fi
        updated=0
    fi
    apt_update
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    (cd "$work" && apt-get source -qq sqlite3 pugixml >/dev/null 2>&1)
    mkdir -p "$deps/sqlite" "$deps/pugixml"

    sqlite_src=$(find "$work" -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
    mkdir -p "$work/sqlite-build"
    (cd "$work/sqlite-build" && "$sqlite_src/configure" >/dev/null && make -s sqlite3.c >/dev/null)
    cp "$work/sqlite-build/sqlite3.c" "$work/sqlite-build/sqlite3.h" "$deps/sqlite/"

    pugi_src=$(find "$work" -maxdepth 1 -type d -name 'pugixml-*' | head -n 1)
    cp "$pugi_src/src/pugixml.cpp" "$pugi_src/src/pugixml.hpp" "$pugi_src/src/pugiconfig.hpp" "$deps/pugixml/"
    echo "setup: third-party sources for the Windows build are in $deps"
fi
