#!/usr/bin/env bash
# The Windows plug-in under Wine on a virtual display: start-up and shut-down through PluginMain, and the About box
# shown by the real dialog manager and played with key presses (the web-site button twice, Escape, Enter). It is
# shown twice, with the Japanese font and without it, and the screenshots are kept in OUTPUT_DIR.
# Usage: wine-dialogs.sh WINDOWS_BUILD_DIR OUTPUT_DIR. Exits 77 (skipped) when Wine, the display tools or the
# Windows build are missing.
set -euo pipefail

build=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
host_exe=$build/bin/trimora_wine_host.exe
plugin=$build/bin/Zavik-Trimora.aip

wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
for tool in Xvfb xdotool import identify; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -n "$wine" ] || { echo "skipped: wine64 is not installed"; exit 77; }
[ -f "$host_exe" ] && [ -f "$plugin" ] || { echo "skipped: no Windows build in $build (make windows)"; exit 77; }

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Japanese Windows: the dialogs are opened through the ANSI calls, whose texts go through code page 932. The locale
# is given to Wine alone; this shell need not have it.
wine_env=(LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=")

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$out/display" 2>"$out/xvfb.log" &
xvfb=$!
host=
cleanup() {
    [ -n "$host" ] && kill "$host" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    for prefix in "$out"/prefix*; do WINEPREFIX=$prefix "$(dirname "$wine")/wineserver" -k 2>/dev/null || true; done
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$out/display")

# Waits up to 90 s (a new Wine prefix is made on the first run) for a line of the host's log matching $2.
wait_for_line() {
    local log=$1 pattern=$2
    for _ in $(seq 900); do
        grep -qE "$pattern" "$log" && return 0
        kill -0 "$host" 2>/dev/null || { grep -qE "$pattern" "$log"; return; }
        sleep 0.1
    done
    return 1
}

about_window() {
    xdotool search --name 'Zavik-Trimora2.5' | head -n 1
}

# One run of the host with the About step; $1 names it, then any more variables for Wine's environment.
show_about() {
    local name=$1 log=$out/$1.log
    shift
    : >"$log"
    env "${wine_env[@]}" "$@" "$wine" "$host_exe" "Z:${plugin//\//\\}" about >"$log" 2>"$out/$name.err" &
    host=$!
    wait_for_line "$log" '^dialog 107 ' || { fail "$name: no About box"; cat "$log" "$out/$name.err"; return 1; }
    local window
    window=$(about_window)
    [ -n "$window" ] || { fail "$name: the About box has no window on the display"; return 1; }
    sleep 0.5  # drawn
    import -window "$window" "$out/$name.png"
    title=$(xdotool getwindowname "$window")
}

close_about() {
    local window
    window=$(about_window)
    xdotool windowfocus "$window" key Return
    wait_for_line "$1" '^shutdown ' || fail "the host did not shut the plug-in down"
    wait "$host" || fail "the host ended with $?"
    host=
}

field() {  # the value after word $2 on the line of $1 that starts with $3
    grep -E "^$3" "$1" | head -n 1 | sed -E "s/.* $2 ([^ ]+).*/\1/"
}

# With the Japanese font.
log=$out/about.log
if show_about about WINEPREFIX="$out/prefix"; then
    grep -qx 'startup 0' "$log" || fail "start-up did not answer 0"
    grep -qx 'menu clip added about added' "$log" || fail "the menu items are not all there"
    grep -qx 'action Zavik-Trimora2.5' "$log" || fail "the action is not registered"
    [ "$title" = "Zavik-Trimora2.5について" ] || fail "caption reads '$title'"
    expected=$(field "$log" expected 'dialog 107')
    [ "$(field "$log" client 'dialog 107')" = "$expected" ] ||
        fail "client area is not the template's $(field "$log" units 'dialog 107') units at the font's size"
    [ "$(identify -format '%wx%h' "$out/about.png")" = "$expected" ] || fail "the screenshot is not the dialog's size"
    [ "$(field "$log" missing glyphs)" = 0 ] || fail "the font lacks glyphs for $(field "$log" missing glyphs) characters"

    window=$(about_window)
    xdotool windowfocus "$window" key Tab space
    wait_for_line "$log" '^shell ' || fail "the web-site button did nothing"
    xdotool key space
    sleep 0.5
    [ "$(grep -c '^shell open https://' "$log")" = 2 ] || fail "two presses did not open the site twice"
    xdotool key Escape
    sleep 1
    [ -n "$(about_window)" ] && ! grep -q '^about ' "$log" || fail "Escape closed the About box"
    xdotool key shift+Tab
    close_about "$log"
    grep -qx 'about 0 shown 1 site 2' "$log" || fail "the About item did not answer 0 after one box: $(grep '^about' "$log")"
    grep -qx 'shutdown 0' "$log" || fail "shut-down did not answer 0"
fi

# Without it: a Latin font only. The Japanese characters then lack glyphs and the labels look different.
cat >"$out/no-japanese-font.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$out/fontconfig-cache</cachedir></fontconfig>
CONF
# Wine keeps what it learnt of the fonts in its prefix, so this run has a prefix of its own.
if show_about about-no-font WINEPREFIX="$out/prefix-no-japanese-font" FONTCONFIG_FILE="$out/no-japanese-font.conf"; then
    [ "$(field "$out/about-no-font.log" missing glyphs)" != 0 ] ||
        fail "without the Japanese font every character still has a glyph: the check cannot see boxes"
    if [ -f "$out/about.png" ] && cmp -s "$out/about.png" "$out/about-no-font.png"; then
        fail "the Japanese labels look the same without their font"
    fi
    close_about "$out/about-no-font.log"
fi

echo "screenshots: $out/about.png $out/about-no-font.png"
[ "$failures" = 0 ] && echo "Wine dialogs: all checks passed" || echo "Wine dialogs: $failures failed"
[ "$failures" = 0 ]
