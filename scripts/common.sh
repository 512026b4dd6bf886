# Shared by run.sh and test.sh: install what is missing, configure, build.
# Everything comes from Debian packages.

FERRINO_PACKAGES=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation2
    xvfb xauth
    dbus at-spi2-core python3-pyatspi qt6-base-private-dev
    desktop-file-utils appstream
    clang libclang-rt-14-dev
    dpkg-dev file time
    python3-stdnum
    # The browser page: Emscripten (its optimizer runs on Node with Debian's
    # acorn), Node and npm for its tests, Chromium to run them in.
    emscripten node-acorn nodejs npm chromium
)

ferrino_install_missing() {
    local missing=()
    # Packages an installed one provides count as there (a Node.js package
    # from another source than Debian provides npm, and conflicts with it).
    local provided
    provided=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Provides}\n' 2>/dev/null |
        awk '/^ii/ { $1 = ""; print }' | tr ',' '\n' | awk '{ print $1 }' | tr '\n' ' ') "
    for package in "${FERRINO_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' &&
            [[ "$provided" != *" $package "* ]]; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ferrino_build FOLDER [cmake options...]
ferrino_build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$folder" -j "$(nproc)"
}

# ferrino_build_web [FOLDER]: the browser page into FOLDER/web/site (default build-web).
ferrino_build_web() {
    web/build.sh "${1:-build-web}"
}
