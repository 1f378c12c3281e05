#!/usr/bin/env bash
# Installs the Debian 12 packages Brewdial needs. Usage: scripts/install-deps.sh [run|all]
#   run: what building and running the program needs
#   all (the default): that, and what its tests and its Debian package need
set -euo pipefail
set_of_packages=${1:-all}
packages=(g++ cmake ninja-build pkg-config qt6-base-dev libqt6opengl6-dev
  qt6-multimedia-dev libglu1-mesa-dev libgl1-mesa-dri libxrandr-dev libxcb1-dev fonts-dejavu-core)
case "$set_of_packages" in
run) ;;
all)
  packages+=(libgtest-dev libegl-dev libegl-mesa0 # the tests; the pixel tests draw through EGL
    xvfb xauth xdotool                            # the tests of the real program on a virtual display
    inotify-tools                  # the session-end test counts the profile's writes
    trayer x11-utils               # the tray smoke test docks the icon in a real tray and finds it
    haskell-gtk-sni-tray-utils dbus-daemon libglib2.0-bin # ... and shows it in a StatusNotifierItem host
    desktop-file-utils appstream   # the install test validates the menu entry and AppStream data
    dpkg-dev file                  # cpack's Debian package finds its library dependencies
    lintian)                       # ... and the install test checks the package
  ;;
*)
  echo "usage: $0 [run|all]" >&2
  exit 2
  ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
