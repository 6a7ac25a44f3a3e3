#!/usr/bin/env bash
# Builds a release, writes the Debian package into build/package/ with CPack, validates the desktop file, the
# AppStream metainfo and the package (lintian, no errors), then installs the package with apt-get and starts both
# programs from the PATH. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/build/package

scripts/install-deps.sh
scripts/install-deps.sh dpkg-dev fakeroot file desktop-file-utils appstream lintian

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
echo "== Release build"
cmake -S . -B "$out/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON -DCMAKE_INSTALL_PREFIX=/usr \
    -DTAMB_BUILD_TESTS=OFF -DTAMB_BUILD_BENCH=OFF -DWARNINGS_AS_ERRORS="$werror" "${launcher[@]}" >/dev/null
cmake --build "$out/build" -j "$(nproc)"
rm -f "$out"/*.deb
(cd "$out/build" && cpack -G DEB -B "$out")
deb=$(ls "$out"/*.deb)
echo "== Package $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '/$'

echo "== Validation"
desktop-file-validate src/app/tamb-setup.desktop
appstreamcli validate --no-net "$out/build/packaging/com.tambvorrel.setup.metainfo.xml"
lintian --fail-on error "$deb"
echo "lintian: no errors"

echo "== Installed"
sudo_prefix=()
[ "$(id -u)" -eq 0 ] || sudo_prefix=(sudo)
# Waits for another apt run rather than failing on its lock.
DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
(cd / && tamb-setup-cli --help | head -n 3)
# The first main window closes itself once painted; the preferences go to an empty home.
HOME=$home QT_QPA_PLATFORM=offscreen timeout 60 tamb-setup --quit-when-shown
echo "package: $(basename "$deb") installs, and tamb-setup-cli and tamb-setup start from the PATH"
