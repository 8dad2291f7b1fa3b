#!/usr/bin/env bash
# Installs the build into a scratch prefix and plays the installed game there: the files land
# where a Linux desktop looks for them, the desktop entry and metainfo validate, and the game
# reads its data from the prefix while everything the player makes goes to $XDG_DATA_HOME.
# usage: install_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build="$1"
scratch="$2"
rm -rf "$scratch"
mkdir -p "$scratch"
prefix="$scratch/prefix"
id=io.github.quovix.quovix2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" || {
    cat "$scratch/install.log" >&2
    fail "cmake --install"
}

# The program and its data.
[ -x "$prefix/bin/quovix2" ] || fail "bin/quovix2 is missing"
share="$prefix/share/quovix2"
for f in QVX2_Movies.int QVX2_Movies.str QVX2_Ads.int QVX2_News.str QVX2_CustomMovies.int \
    QVX2_CustomNews.str QVX2_background.jpg manual.html; do
    [ -s "$share/$f" ] || fail "share/quovix2/$f is missing"
done
ls "$share"/*.ogg >/dev/null 2>&1 || fail "share/quovix2 has no music"
ls "$share"/*.wav >/dev/null 2>&1 || fail "share/quovix2 has no sounds"
# The player's own files never ship, nor the build's stamps.
shipped="$(find "$share" \( -name 'QVX2_SAVEGAME_*' -o -name 'SaveGameData.str' \
    -o -name 'QVX2_Highscores.*' -o -name '.*' \) -print)"
[ -z "$shipped" ] || fail "player or build files were installed: $shipped"

# The desktop's files.
desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -s "$metainfo" ] || fail "the metainfo file is missing"
if command -v appstreamcli >/dev/null; then
    # The tree's check also finds the desktop entry the metainfo launches.
    appstreamcli validate-tree --no-net "$prefix" >"$scratch/appstream.log" 2>&1 || {
        cat "$scratch/appstream.log" >&2
        fail "appstreamcli validate-tree $prefix"
    }
fi
png_size() { # width x height from the PNG header
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 48 128 256 512; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/quovix2.png"
    [ -s "$icon" ] || fail "the ${size} px icon is missing"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
done
page="$prefix/share/man/man6/quovix2.6"
[ -s "$page" ] || fail "the man page is missing"
if command -v man >/dev/null; then
    rendered="$(MANWIDTH=80 man -l "$page" 2>"$scratch/man.log")" || fail "man -l $page"
    for heading in NAME SYNOPSIS OPTIONS FILES ENVIRONMENT; do
        grep -q "^$heading" <<<"$rendered" || fail "the man page has no $heading"
    done
    [ ! -s "$scratch/man.log" ] || fail "man: $(cat "$scratch/man.log")"
fi

# The installed game, started away from its data with a fresh home.
snapshot() { find "$prefix" -printf '%P %s %T@\n' | sort; }
snapshot >"$scratch/before"
mkdir -p "$scratch/elsewhere"
cd "$scratch/elsewhere"
run() { # run HOME XDG_DATA_HOME ARGS...: the game with that home and data home ("": unset)
    local vars=(HOME="$1" QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null)
    [ -z "$2" ] || vars+=(XDG_DATA_HOME="$2")
    shift 2
    env -u XDG_DATA_HOME "${vars[@]}" "$prefix/bin/quovix2" "$@"
}

user="$scratch/xdg/quovix2"
run "$scratch/home" "$scratch/xdg" --check --seed 5 >"$scratch/check.log" 2>&1 || {
    cat "$scratch/check.log" >&2
    fail "quovix2 --check"
}
for f in QVX2_SAVEGAME_0.int QVX2_SAVEGAME_0.str QVX2_SAVEGAME_0.hist SaveGameData.str; do
    [ -s "$user/$f" ] || fail "$f was not written to \$XDG_DATA_HOME/quovix2"
done
[ "$(stat -c %s "$user/QVX2_SAVEGAME_0.int")" = 60488 ] || fail "slot 0 has the wrong size"
[ ! -e "$scratch/home/.local" ] || fail "XDG_DATA_HOME was set, yet the game wrote under HOME"

# A second check finds the game in progress and leaves it alone.
cp "$user/QVX2_SAVEGAME_0.int" "$scratch/slot0.int"
if run "$scratch/home" "$scratch/xdg" --check >"$scratch/check2.log" 2>&1; then
    fail "--check replaced a game in progress"
fi
cmp -s "$user/QVX2_SAVEGAME_0.int" "$scratch/slot0.int" || fail "--check changed slot 0"

# The saved game loads with the installed pictures (a screenshot works on a scratch copy).
run "$scratch/home" "$scratch/xdg" --screenshot office "$scratch/office.png" --slot 0 \
    >"$scratch/shot.log" 2>&1 || {
    cat "$scratch/shot.log" >&2
    fail "the installed game could not draw slot 0's office"
}
[ -s "$scratch/office.png" ] || fail "no office picture"
! grep -q '^Picture ' "$scratch/shot.log" || fail "pictures are missing: $(grep '^Picture ' "$scratch/shot.log")"

# Without XDG_DATA_HOME (or with a relative one) the saves go to ~/.local/share.
run "$scratch/home2" "relative/dir" --check >"$scratch/check3.log" 2>&1 || {
    cat "$scratch/check3.log" >&2
    fail "quovix2 --check with a relative XDG_DATA_HOME"
}
[ -s "$scratch/home2/.local/share/quovix2/QVX2_SAVEGAME_0.int" ] || fail "no slot 0 under HOME"
[ ! -e "$scratch/elsewhere/relative" ] || fail "a relative XDG_DATA_HOME was used"

# A data home that cannot be made is a message and exit code 1, not a crash.
touch "$scratch/not-a-directory"
set +e
run "$scratch/home" "$scratch/not-a-directory" --check >"$scratch/check4.log" 2>&1
code=$?
set -e
[ "$code" = 1 ] || fail "an impossible data home gave exit code $code"
grep -q "cannot create" "$scratch/check4.log" || fail "no clear message: $(cat "$scratch/check4.log")"

# Nothing was written under the prefix, nor where the game was started.
snapshot >"$scratch/after"
diff "$scratch/before" "$scratch/after" >&2 || fail "the game wrote under the prefix"
[ -z "$(ls -A "$scratch/elsewhere")" ] || fail "the game wrote into its working directory"
echo "installed game: ok"
