#!/usr/bin/env bash
# Builds the Debian package from an already built tree into a temporary
# folder and checks what a user would get from it.
# Usage: test_package.sh <build dir> <version> <Qt major version>
set -uo pipefail
build="$1"
version="$2"
qt="${3:-6}"

for tool in cpack dpkg-deb lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
        exit 77
    fi
done

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
if ! cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb="$(ls "$out"/*.deb)"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every entry: mode, owner, path (which may hold spaces).
listing="$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+) ([^ ]+) +[^ ]+ [^ ]+ [^ ]+ /\1 \2 /')"

# What the agreed installed layout puts where.
expected=(
    usr/bin/mousecfg
    usr/bin/mousecfg-cli
    usr/share/man/man1/mousecfg-cli.1.gz
    usr/share/bash-completion/completions/mousecfg-cli
    usr/libexec/mousecfg/OSD
    usr/share/mousecfg/DefaultProfile.bin
    usr/share/mousecfg/Configs/Config.ini
    usr/share/mousecfg/skin/icon.png
    usr/share/mousecfg/lang/mousecfg_fr.qm
    usr/share/mousecfg/lang/mousecfg_de.qm
    usr/share/mousecfg/lang/mousecfg_zh_CN.qm
    usr/lib/udev/rules.d/60-mousecfg.rules
    usr/share/applications/io.mousecfg.mousecfg.desktop
    usr/share/dbus-1/interfaces/io.mousecfg.mousecfg.xml
    usr/share/metainfo/io.mousecfg.mousecfg.metainfo.xml
    usr/share/mousecfg/kwin/mousecfg-focus/contents/code/main.js
    usr/share/gnome-shell/extensions/focus@mousecfg.io/extension.js
    usr/share/doc/mousecfg/copyright
    usr/share/doc/mousecfg/changelog.Debian.gz
)
for n in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${n}x${n}/apps/mousecfg.png")
done
for path in "${expected[@]}"; do
    grep -qx "[^ ]* [^ ]* \./$path" <<<"$listing" || fail "missing /$path"
done

# Developer tools, tests and build-time generators never ship.
forbidden='virtual-mouse|profgen|skingen|/test_|/bench_|\.a$|/include/'
while read -r path; do
    fail "ships $path"
done < <(cut -d' ' -f3- <<<"$listing" | grep -E "$forbidden")

# Only the shipped product's artwork, not the test products'.
products="$(grep -c '/skin/mouse/[^/]*_Side\.png$' <<<"$listing")"
[ "$products" -eq 1 ] || fail "artwork of $products products in skin/mouse"

# Executables where the program looks for them, everything else plain data,
# all of it root's.
while read -r mode owner path; do
    case "$path" in
        */) want=drwxr-xr-x ;;
        ./usr/bin/* | ./usr/libexec/*) want=-rwxr-xr-x ;;
        *) want=-rw-r--r-- ;;
    esac
    [ "$mode" = "$want" ] || fail "$path has mode $mode, not $want"
    [ "$owner" = root/root ] || fail "$path belongs to $owner"
done <<<"$listing"

[ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "version $(dpkg-deb -f "$deb" Version)"
# dpkg-shlibdeps found the libraries the program is linked with.
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in "libqt${qt}widgets${qt}" libhidapi-hidraw0; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

lintian_out="$(lintian "$deb" 2>&1)"
echo "$lintian_out"
if grep -q '^E: ' <<<"$lintian_out"; then
    fail "lintian reports errors"
fi

[ "$failures" -eq 0 ] || exit 1
echo "package ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"
