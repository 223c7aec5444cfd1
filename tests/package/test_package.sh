#!/usr/bin/env bash
# Builds the Debian package and the RPM from an already built tree into a
# temporary folder and checks what a user would get from each.
# Usage: test_package.sh <build dir> <version> <Qt major version>
set -uo pipefail
build="$1"
version="$2"
qt="${3:-6}"

for tool in cpack dpkg-deb lintian rpmbuild rpm; do
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
    usr/share/man/man1/mousecfg.1.gz
    usr/libexec/mousecfg/mousecfg-udev-rule
    usr/share/polkit-1/actions/io.mousecfg.mousecfg.policy
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
grep -q 'no-manual-page' <<<"$lintian_out" && fail "a program without a manual page"

dpkg-deb -I "$deb" postinst | grep -q '^ */usr/libexec/mousecfg/mousecfg-udev-rule trigger' ||
    fail "the .deb does not apply the rule after the install"
# The policy names the helper where the package puts it.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/polkit-1/actions/io.mousecfg.mousecfg.policy |
    grep -q '>/usr/libexec/mousecfg/mousecfg-udev-rule</annotate>' ||
    fail "the polkit policy does not name /usr/libexec/mousecfg/mousecfg-udev-rule"

# ---- the RPM: the same files with the same modes, Fedora's names for what
# it needs, and the rule applied after the install.
if ! cpack -G RPM -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack-rpm.log" 2>&1; then
    cat "$out/cpack-rpm.log"
    echo "FAIL: cpack -G RPM"
    exit 1
fi
rpm_file="$(ls "$out"/*.rpm)"
# mode owner:group path; the path last, as it may hold spaces.
entries="$(rpm -qp --queryformat '[%{FILEMODES:octal} %{FILEUSERNAME}:%{FILEGROUPNAME} %{FILENAMES}\n]' "$rpm_file")"
deb_files="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print substr($0, index($0, "./") + 1) }' |
    grep -v changelog.Debian | sort)"
rpm_files="$(grep -v '^40' <<<"$entries" | cut -d' ' -f3- | sort)"
diff <(echo "$deb_files") <(echo "$rpm_files") >"$out/layout.diff" ||
    fail "the RPM's files differ from the .deb's: $(cat "$out/layout.diff")"
while read -r mode owner path; do
    case "$mode:$path" in
        40*) want=40755 ;;
        *:/usr/bin/* | *:/usr/libexec/mousecfg/*) want=100755 ;;
        *) want=100644 ;;
    esac
    [ "$mode" = "$want" ] || fail "RPM: $path has mode $mode, not $want"
    [ "$owner" = root:root ] || fail "RPM: $path belongs to $owner"
done <<<"$entries"
# Only the folders that are the program's own: none that the system owns.
for owned in /usr /usr/bin /usr/share /usr/lib/udev/rules.d /usr/libexec /usr/share/man/man1 \
    /usr/share/icons/hicolor/48x48/apps /usr/share/polkit-1/actions /usr/share/metainfo; do
    rpm -qlp "$rpm_file" | grep -qx "$owned" && fail "RPM claims $owned"
done
[ "$(rpm -qp --queryformat '%{VERSION}-%{RELEASE}' "$rpm_file")" = "$version-1" ] ||
    fail "RPM version $(rpm -qp --queryformat '%{VERSION}-%{RELEASE}' "$rpm_file")"
requires="$(rpm -qpR "$rpm_file")"
for name in "qt${qt}-qtbase-gui" hidapi systemd-udev 'libXtst.so.6()' 'libudev.so.1()'; do
    grep -qF "$name" <<<"$requires" || fail "RPM Requires lacks $name: $requires"
done
# Nothing by Debian's names or Qt's sonames, which Fedora's packages do not match.
grep -qE 'libqt|libhidapi|libQt' <<<"$requires" && fail "RPM Requires Debian's names: $requires"
grep -qx "qt${qt}-qtwayland" <<<"$(rpm -qp --recommends "$rpm_file")" || fail "RPM recommends no Wayland plugin"
[ "$(rpm -qp --queryformat '%{PREFIXES}' "$rpm_file")" = "(none)" ] ||
    fail "the RPM is relocatable, yet its scripts and policy name /usr paths"
scripts="$(rpm -qp --scripts "$rpm_file")"
grep -q '^/usr/libexec/mousecfg/mousecfg-udev-rule trigger' <<<"$scripts" ||
    fail "RPM does not apply the rule after the install: $scripts"

[ "$failures" -eq 0 ] || exit 1
echo "packages ok: $(basename "$deb"), $(stat -c %s "$deb") bytes; $(basename "$rpm_file"), $(stat -c %s "$rpm_file") bytes"
