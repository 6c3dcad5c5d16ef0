#!/usr/bin/env bash
# Builds the Debian package tripconf_<version>_<architecture>.deb with CPack. Its
# dependencies are worked out by dpkg-shlibdeps from the libraries the programs link; it
# recommends Qt's Russian translations (qt6-translations-l10n).
#
#   scripts/package.sh [--check] [BUILD_DIR]
#
# BUILD_DIR defaults to build-package (configured as a Release build when new); the
# package lands in BUILD_DIR/package/. --check then lists the package, checks its Depends
# and Recommends, unpacks it into a temporary folder, runs tripconf-cli --version and starts
# tripconf by its menu entry's command from there. Without the dpkg tools there is nothing
# to do, and it says so.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
build="${1:-$root/build-package}"
# Absolute, since cpack runs inside it.
mkdir -p "$build"
build="$(cd "$build" && pwd)"

for tool in dpkg-deb dpkg-shlibdeps cpack; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "package: $tool not found; no Debian package is built (the package test is skipped)"
        exit 0
    fi
done

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target tripconf tripconf-cli tripsim

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
out="$build/package"
deb="$out/tripconf_${version}_${arch}.deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB -B "$out" >"$out.log" 2>&1) || { cat "$out.log"; exit 1; }
[ -f "$deb" ] || { cat "$out.log"; echo "package: $deb was not made" >&2; exit 1; }
echo "package: $deb"
echo "package: Depends: $(dpkg-deb -f "$deb" Depends)"
echo "package: Recommends: $(dpkg-deb -f "$deb" Recommends)"
[ "$check" -eq 1 ] || exit 0

# ---- the check ------------------------------------------------------------------------
tmp=$(mktemp -d "${TMPDIR:-/tmp}/tripconf-package.XXXXXX")
app=""
cleanup() {
    if [ -n "$app" ]; then
        kill "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "package: FAILED: $*" >&2
    exit 1
}

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' | grep -v '/$' | sort >"$tmp/files"
expected=(/usr/bin/tripconf /usr/bin/tripconf-cli /usr/bin/tripsim
    /usr/share/applications/tripconf.desktop
    /usr/share/icons/hicolor/scalable/apps/tripconf.svg)
for size in 16 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/tripconf.png")
done
printf '%s\n' "${expected[@]}" | sort >"$tmp/expected"
if ! diff -u "$tmp/expected" "$tmp/files"; then
    fail "the package holds other files than the programs, the menu entry and the icon"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 libqt6serialport6; do
    case "$depends" in
    *"$lib"*) ;;
    *) fail "Depends lacks $lib: $depends" ;;
    esac
done
# Without Qt's translations the file dialogs of a Russian user stay English.
recommends=$(dpkg-deb -f "$deb" Recommends || true)
case ", $recommends," in
*", qt6-translations-l10n"[\ ,]*) ;;
*) fail "Recommends lacks qt6-translations-l10n: '$recommends'" ;;
esac

dpkg-deb -x "$deb" "$tmp/root"
cli_version=$("$tmp/root/usr/bin/tripconf-cli" --version) || fail "tripconf-cli --version"
echo "package: unpacked tripconf-cli --version: $cli_version"
[ "$cli_version" = "tripconf-cli $version" ] || fail "tripconf-cli reports '$cli_version'"

# The menu entry's command, found on the PATH as the desktop would, in a home of its own.
exec_line=$(sed -n 's/^Exec=//p' "$tmp/root/usr/share/applications/tripconf.desktop")
mkdir -p "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" XDG_CONFIG_HOME="$tmp/home/.config" \
    PATH="$tmp/root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen $exec_line >"$tmp/app.log" 2>&1 &
app=$!
sleep 3
kill -0 "$app" 2>/dev/null || { cat "$tmp/app.log"; fail "'$exec_line' did not keep running"; }
echo "package: '$exec_line' from the menu entry started and is running; package checked"
