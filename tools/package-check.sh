#!/usr/bin/env bash
# Builds the Debian package from the build folder, installs it with apt on this
# machine and checks what was installed: the program runs (--version, and a
# PDF export of an installed example), the desktop entry and the AppStream
# metainfo validate, and every file sits in its standard place. lintian
# (pedantic) must find no error and no warning in the package.
#   tools/package-check.sh        (as root; BUILD_DIR defaults to build)
# The build folder is configured when it has to be; a built one is reused.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
debs=("$build"/package/tallimark_*.deb)
deb=$(realpath "${debs[0]}")
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Depends
# Info and pedantic tags are shown; errors and warnings fail the check.
lintian --pedantic --fail-on error,warning "$deb"

# --reinstall: the same version may be installed from an earlier build.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "package-check: $*" >&2
    exit 1
}

[[ "$(command -v tallimark)" == /usr/bin/tallimark ]] || fail "tallimark is not /usr/bin/tallimark"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/tallimark --version)
[[ "$version" == "Tallimark "* ]] || fail "unexpected --version: $version"
echo "installed: $version"

examples=/usr/share/tallimark/examples
env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/tallimark --export-pdf "$work/tickets.pdf" "$examples/tickets.tmt" \
    --sheets 249- 2>"$work/stderr" || { cat "$work/stderr" >&2; fail "--export-pdf failed"; }
pages=$(pdfinfo "$work/tickets.pdf" | awk '/^Pages:/ { print $2 }')
[[ "$pages" == 2 ]] || fail "export wrote $pages pages, not 2"
# The last sheet of the four-stack tickets ends each stack: 250, 500, 750, 1000.
last=$(pdftotext -f 2 -l 2 "$work/tickets.pdf" - | tr -s '\n ' '  ')
for n in 0250 0500 0750 1000; do
    [[ "$last" == *"Ticket No. $n"* ]] || fail "sheet 250 lacks ticket $n: $last"
done
echo "export: 2 sheets of $examples/tickets.tmt"

app=org.tallimark.Tallimark
desktop-file-validate "/usr/share/applications/$app.desktop"
appstreamcli validate --no-net --pedantic "/usr/share/metainfo/$app.metainfo.xml" >"$work/appstream" ||
    { cat "$work/appstream" >&2; fail "appstreamcli validate failed"; }
for file in "/usr/share/applications/$app.desktop" \
    "/usr/share/mime/packages/$app.xml" \
    "/usr/share/metainfo/$app.metainfo.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$app.svg" \
    "/usr/share/icons/hicolor/48x48/apps/$app.png" \
    "/usr/share/icons/hicolor/256x256/apps/$app.png" \
    /usr/share/man/man1/tallimark.1.gz \
    /usr/share/bash-completion/completions/tallimark \
    /usr/share/tallimark/guide/index.html \
    /usr/share/doc/tallimark/copyright \
    /usr/share/doc/tallimark/changelog.Debian.gz \
    "$examples/invoice-sets.tmt"; do
    [[ -s "$file" ]] || fail "missing $file"
done
grep -q 'id="getting-help"' /usr/share/tallimark/guide/index.html || fail "the guide has no Getting help section"
man -l /usr/share/man/man1/tallimark.1.gz 2>/dev/null | grep -q -- '--export-pdf' || fail "the manual page does not read"
bash -c 'source /usr/share/bash-completion/completions/tallimark 2>/dev/null; complete -p tallimark' >/dev/null ||
    fail "the bash completion does not load"
echo "desktop entry, metainfo, MIME type, icons, manual page, completion and guide installed"
