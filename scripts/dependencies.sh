# Installs the Debian packages that building, running and testing need,
# when any of them is missing. Sourced by the run and test scripts.

TABULON_PACKAGES=(
    cmake g++ make pkgconf
    qt6-base-dev qt6-multimedia-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libsndfile1-dev
    librsvg2-bin
    fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei fonts-arphic-uming fonts-vlgothic fonts-nanum
    fonts-tlwg-loma-ttf fonts-sarai libthai0
    faketime
    pulseaudio pulseaudio-utils
    xvfb xauth xkb-data x11-xkb-utils libxkbcommon-dev qt6-base-private-dev
    dpkg-dev file
    python3 python3-pil xdotool x11-apps x11-utils
    desktop-file-utils appstream lintian
    dbus at-spi2-core python3-pyatspi
    orca speech-dispatcher xfwm4
)

tabulon_install_dependencies() {
    local missing=()
    local package
    for package in "${TABULON_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}
