#!/usr/bin/env bash
# Builds the .deb with cpack, unpacks it into a temporary root and checks what an
# installation would hold; then runs the unpacked launcher as a fresh user and
# checks that it deploys the payload and starts the client, that a second start
# leaves the deployed copy alone because the builds match, and that the debug
# switch works where the support instructions put it. lintian, desktop-file-validate
# and appstreamcli must find nothing to report where they are installed.
# Usage: package_test.sh CPACK BUILD_DIR PACKAGE_DIR SYSTEM_DATA_DIR SYSTEM_BIN_DIR BUILD_NUMBER
set -euo pipefail

cpack=$1
build_dir=$2
package_dir=$3
data_dir=$4
bin_dir=$5
build_number=$6

if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "SKIP: dpkg-deb is not installed, no Debian package can be built"
    exit 77
fi

work=$(mktemp -d)
home=$work/home
client_pid=

# True when the pid names a process started with our private HOME.
is_our_client() {
    [[ "$1" =~ ^[0-9]+$ ]] && [ "$1" -gt 1 ] \
        && tr '\0' '\n' <"/proc/$1/environ" 2>/dev/null | grep -qx "HOME=$home"
}

# A check that fails after the launcher ran may leave the client running.
cleanup() {
    local pid=$client_pid
    if [ -z "$pid" ] && [ -f "$home/.Tarnwell/ui.pid" ]; then
        pid=$(sed -n 's/^pid=//p' "$home/.Tarnwell/ui.pid" | head -n 1)
    fi
    if is_our_client "$pid"; then
        kill "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Width and height from the PNG header, as "WxH".
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [ "$signature" = "89504e470d0a1a0a" ] || { echo "not-a-png"; return; }
    local width height
    width=$(od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    height=$(od -An -tu1 -j20 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    echo "${width}x${height}"
}

ini_value() {
    sed -n "s/^$2=//p" "$1" | head -n 1
}

# Waits up to 15 s for the client's pid file and echoes the pid it names.
wait_for_client() {
    local pid_file=$1 pid=
    for _ in $(seq 1 150); do
        if [ -s "$pid_file" ]; then
            pid=$(ini_value "$pid_file" pid)
            [ -n "$pid" ] && break
        fi
        sleep 0.1
    done
    [[ "$pid" =~ ^[0-9]+$ ]] && [ "$pid" -gt 1 ] || fail "no usable pid in $pid_file: '$pid'"
    # The client inherits the private HOME: a pid from anywhere else is not ours to signal.
    is_our_client "$pid" || fail "pid $pid is not the started client"
    echo "$pid"
}

stop_client() {
    kill "$client_pid"
    for _ in $(seq 1 50); do
        if [ ! -d "/proc/$client_pid" ] || grep -q '^[^)]*) Z' "/proc/$client_pid/stat" 2>/dev/null; then
            client_pid=
            return
        fi
        sleep 0.1
    done
    fail "client $client_pid did not end on SIGTERM"
}

echo "== building the package"
"$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}

echo "== control data of $(basename "$deb")"
dpkg-deb --field "$deb" >"$work/control"
cat "$work/control"
field() {
    sed -n "s/^$1: //p" "$work/control"
}
[ "$(field Package)" = tarnwell-client ] || fail "package name"
[[ "$(field Version)" == *."$build_number" ]] || fail "version does not end in the build number $build_number"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ "$(field Section)" = net ] || fail "section"
grep -q '^ Tarnwell keeps the files' "$work/control" || fail "no long description"
[[ "$(field Depends)" == *libqt5widgets5* ]] || fail "Depends lacks the Qt Widgets library: $(field Depends)"
[[ "$(field Depends)" == *libarchive13* ]] || fail "Depends lacks libarchive: $(field Depends)"
for recommended in qtwayland5 fonts-noto-cjk fonts-thai-tlwg; do
    [[ "$(field Recommends)" == *"$recommended"* ]] || fail "Recommends lacks $recommended: $(field Recommends)"
done

if command -v lintian >/dev/null 2>&1; then
    # Info and pedantic tags are advice; errors and warnings fail the package.
    lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
else
    echo "note: lintian not installed, package not linted"
fi

dpkg-deb --contents "$deb" >"$work/contents"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$work/contents" || fail "entries not owned by root"
! grep -Eq ' \./(home|root)/' "$work/contents" || fail "the package writes into home folders"

mkdir "$work/control-files"
dpkg-deb --control "$deb" "$work/control-files"
for script in postinst postrm; do
    [ -x "$work/control-files/$script" ] || fail "$script missing or not executable"
    sh -n "$work/control-files/$script" || fail "$script is not valid sh"
    ! grep -q 'HOME\|/home' "$work/control-files/$script" || fail "$script refers to home folders"
done

echo "== layout of the unpacked package"
root=$work/root
dpkg -x "$deb" "$root"
package=$root$package_dir
[ -x "$package/bin/tarnwell-launcher" ] || fail "bin/tarnwell-launcher missing or not executable"
[ "$(ini_value "$package/INFO" build_version)" = "$build_number" ] || fail "INFO build_version"
grep -qx '\[Version\]' "$package/INFO" || fail "INFO has no [Version] section"
[ -n "$(ini_value "$package/INFO" major_version)" ] || fail "INFO has no major_version"
[ "$(png_size "$package/images/ico_72_hollowmere.png")" = 72x72 ] || fail "package icon is not a 72x72 PNG"
[ -d "$package/log" ] || fail "log/ missing"
[ -z "$(ls -A "$package/log")" ] || fail "log/ is not empty: the debug switch must be off"
[ "$(ini_value "$package/package/hollowmere/INFO" build_version)" = "$build_number" ] \
    || fail "payload INFO does not carry the package's build number"
[ -x "$package/package/hollowmere/bin/tarnwell-ui" ] || fail "payload bin/tarnwell-ui missing or not executable"
[ -x "$package/package/hollowmere/package/start-stop" ] || fail "payload package/start-stop missing or not executable"
for size in 48 72 256; do
    icon=$root$data_dir/icons/hicolor/${size}x${size}/apps/tarnwell-client.png
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "hicolor icon $size is not a ${size}x${size} PNG"
done
if [ -n "$bin_dir" ]; then
    [ "$(readlink "$root$bin_dir/tarnwell-launcher")" = "$package_dir/bin/tarnwell-launcher" ] \
        || fail "$bin_dir/tarnwell-launcher does not point at the launcher"
fi

desktop=$root$data_dir/applications/tarnwell-client.desktop
[ -f "$desktop" ] || fail "no desktop entry"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
else
    echo "note: desktop-file-validate not installed, entry checked by keys only"
fi
[ "$(ini_value "$desktop" Exec)" = "$package_dir/bin/tarnwell-launcher" ] || fail "Exec does not run the launcher"
[ "$(ini_value "$desktop" Icon)" = tarnwell-client ] || fail "Icon names no installed icon"
[ "$(ini_value "$desktop" StartupWMClass)" = tarnwell-launcher ] || fail "StartupWMClass is not the launcher's window class"
grep -q '<svg ' "$root$data_dir/icons/hicolor/scalable/apps/tarnwell-client.svg" || fail "no scalable icon"
metainfo=$root$data_dir/metainfo/com.tarnwell.client.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metainfo"
grep -q '<launchable type="desktop-id">tarnwell-client.desktop</launchable>' "$metainfo" \
    || fail "the metainfo does not launch the menu entry"
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
else
    echo "note: appstreamcli not installed, metainfo checked by keys only"
fi
for key in Name GenericName Comment Categories StartupNotify; do
    [ -n "$(ini_value "$desktop" "$key")" ] || fail "desktop entry lacks $key"
done
for language in zh_CN zh_TW cs da fr de hu it ja ko nl nb pl pt_BR pt ru es sv th tr; do
    for key in Name Comment; do
        [ -n "$(ini_value "$desktop" "$key\\[$language\\]")" ] || fail "desktop entry lacks $key[$language]"
    done
done

echo "== first start of the unpacked launcher by a new user"
runtime=$work/runtime
mkdir -p "$home" "$runtime" "$work/path"
chmod 700 "$runtime"
# Started through a symlink, as from the system bin folder: the launcher must resolve it.
ln -s "$package/bin/tarnwell-launcher" "$work/path/tarnwell-launcher"
run_launcher() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP -u XDG_DATA_HOME \
        HOME="$home" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen \
        timeout 60 "$work/path/tarnwell-launcher" </dev/null >"$work/launcher.out" 2>&1
}
status=0
run_launcher || status=$?
cat "$work/launcher.out"
[ "$status" -eq 0 ] || fail "launcher exited with status $status"
app=$home/.Tarnwell/Tarnwell.app
cmp -s "$app/INFO" "$package/package/hollowmere/INFO" || fail "deployed INFO differs from the payload's"
[ "$(ini_value "$app/INFO" build_version)" = "$build_number" ] || fail "deployed INFO is not of build $build_number"
[ -x "$app/bin/tarnwell-ui" ] || fail "payload not deployed to $app"
client_pid=$(wait_for_client "$home/.Tarnwell/ui.pid")
stop_client
[ -d "$home/.Tarnwell/log" ] || fail "no per-user log folder"

echo "== second start: same build, the private copy stays"
rm -f "$home/.Tarnwell/ui.pid"
touch "$app/kept-by-user"
status=0
run_launcher || status=$?
cat "$work/launcher.out"
[ "$status" -eq 0 ] || fail "second launcher run exited with status $status"
[ -e "$app/kept-by-user" ] || fail "the private copy was deployed again although its build matches"
client_pid=$(wait_for_client "$home/.Tarnwell/ui.pid")
stop_client

echo "== third start with the documented debug switch in the package's log/"
rm -f "$home/.Tarnwell/ui.pid"
echo "launcher_debug=7" >"$package/log/launcher.debug"
status=0
run_launcher || status=$?
[ "$status" -eq 0 ] || fail "third launcher run exited with status $status"
client_pid=$(wait_for_client "$home/.Tarnwell/ui.pid")
stop_client
grep -qF ">>> root_resource_path = $package" "$home/.Tarnwell/log/launcher.log" \
    || fail "the debug switch in $package_dir/log had no effect, or the package folder was not found"

echo "PASS"
