# Installs the Debian packages the build, the tests and the demo need.
# Sourced by the scripts in this folder; defines ensure_packages.
LAUNCHER_PACKAGES=(
    cmake make g++ pkg-config
    qtbase5-dev qttools5-dev-tools
    libarchive-dev libarchive-tools
    libgtest-dev libgmock-dev
    procps python3
    dpkg-dev desktop-file-utils
)

ensure_packages() {
    local missing=()
    local package
    for package in "${LAUNCHER_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
