# Installs the Debian packages the build, the tests, the demo and the package need.
# Sourced by the scripts in this folder; defines ensure_packages.
# Each package is named for what uses it, so the list can be checked against the build.
LAUNCHER_PACKAGES=(
    cmake make g++          # the build itself
    qtbase5-dev             # find_package(Qt5 Core Gui Widgets DBus): it ships the QtDBus headers too
    libfontconfig-dev       # find_package(Fontconfig): the launcher's font teardown at exit
    qttools5-dev            # find_package(Qt5 LinguistTools): Qt5LinguistToolsConfig.cmake
    qttools5-dev-tools      # lrelease, run by qt5_add_translation
    libarchive-dev          # find_package(LibArchive)
    libgtest-dev libgmock-dev  # find_package(GTest)
    libarchive-tools        # bsdtar, called by the deployment tests and the benchmarks
    python3                 # scripts/make-synthetic-package, scripts/update-catalogues
    util-linux              # setpriv and unshare in the privilege and mount tests
    dpkg-dev file           # cpack -G DEB: dpkg-shlibdeps, and `file` to find the ELF files
    desktop-file-utils      # desktop-file-validate in the package test
    lintian                 # the package test lints the .deb
    appstream               # appstreamcli validate in the package test
    dbus-daemon             # a private session bus for the desktop notification test
    dbus-bin                # dbus-monitor, which watches that bus for the notification
    strace                  # the interruption test stops the launcher at chosen system calls
    xvfb                    # a real X display for scripts/bench-ui and the failure notice test
)
# qtbase5-dev already brings QtDBus (headers and Qt5DBusConfig.cmake) for the
# desktop notification. scripts/screenshots asks for x11-apps and imagemagick
# itself, as nothing else needs them.

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
