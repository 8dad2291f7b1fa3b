# Shared set-up of ./test and ./play: installs the Debian packages the build needs, configures,
# builds and generates the game data into build/game. Sourced, not run.
QVX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QVX_PRESET="${QVX_PRESET:-dev}"
QVX_BUILD="$QVX_ROOT/build/$QVX_PRESET"
QVX_GAME="$QVX_ROOT/build/game"

# Everything the build, the tests and the tools need, from Debian's own registry (the last two
# validate the installed desktop entry and metainfo).
QVX_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
              qt6-base-dev libjpeg62-turbo-dev fonts-dejavu-core fonts-noto-color-emoji xdg-utils
              libopenal-dev libvorbis-dev libsndfile1-dev clang-format
              desktop-file-utils appstream)
# The fuzz targets are built with clang and its libFuzzer runtime (the sanitizer stage adds them).
QVX_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

qvx_install_packages() {
    local missing=()
    local pkg
    for pkg in "${QVX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

qvx_build() {
    cmake --preset "$QVX_PRESET" -S "$QVX_ROOT" >/dev/null
    cmake --build "$QVX_BUILD" -j"$(nproc)"
}

# The same, printing the build's output only when it fails.
qvx_build_quietly() {
    local log
    log="$(mktemp)"
    if ! qvx_build >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

qvx_generate_game_data() {
    mkdir -p "$QVX_GAME"
    "$QVX_BUILD/tools/content/quovix-content" generate --out "$QVX_GAME" "$@"
    # The start screen's "Visit our website" opens the manual beside the game's data.
    cp "$QVX_ROOT/docs/manual.html" "$QVX_GAME/manual.html"
}
