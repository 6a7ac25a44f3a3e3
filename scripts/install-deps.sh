#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
# With arguments, installs those packages instead (the Windows tests and the packaging name their own).
# Waits for another run of this script or of apt (CI runs two steps at once) rather than failing on a lock.
set -euo pipefail
exec 9>"${TMPDIR:-/tmp}/tamb-install-deps.lock"
flock 9

packages=(
    cmake g++ make ccache
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev libgl-dev
    fonts-noto-cjk qt6-translations-l10n xvfb xauth
    clang-format
    clang libfuzzer-14-dev
    libcurl4-openssl-dev
    python3-aiosmtpd openssl python3-dbusmock dbus-daemon
    mobile-broadband-provider-info libpugixml-dev
    libx11-dev
    strace
)
[ $# -eq 0 ] || packages=("$@")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_prefix=()
[ "$(id -u)" -eq 0 ] || sudo_prefix=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_prefix[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "${missing[@]}"
