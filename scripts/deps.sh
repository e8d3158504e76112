#!/usr/bin/env bash
# Installs the Debian packages Spectrivue needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format git
    qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-gtk-platformtheme libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    libxcb-xinput-dev pkg-config
    xvfb xauth xdotool x11-utils x11-xserver-utils fonts-dejavu-core fonts-noto-cjk
    xserver-xorg-core xserver-xorg-video-dummy
    desktop-file-utils appstream dpkg-dev file lintian man-db
    dbus-daemon python3-dbus python3-gi at-spi2-core gir1.2-atspi-2.0
    sway pipewire pipewire-bin xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
    qt6-wayland wtype grim libwayland-dev libwayland-bin procps fuse3 passwd locales
    libxcb1-dev xclip wl-clipboard xwayland
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests of each language run in a real locale of it, as a desktop there has it: numbers the
# C library writes would otherwise never show a decimal comma.
locales=(pt_BR de_DE fr_FR es_ES it_IT pl_PL ru_RU ja_JP zh_CN)
missing_locales=()
for l in "${locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8$"; then
        missing_locales+=("$l")
    fi
done
if [ ${#missing_locales[@]} -gt 0 ]; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    for l in "${missing_locales[@]}"; do
        "${sudo_cmd[@]}" sed -i "s/^# *$l.UTF-8 UTF-8/$l.UTF-8 UTF-8/" /etc/locale.gen
        grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen ||
            echo "$l.UTF-8 UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    done
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
