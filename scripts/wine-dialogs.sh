#!/usr/bin/env bash
# The Windows plug-in under Wine on a virtual display: start-up and shut-down through PluginMain, the About box and
# the options dialog shown by the real dialog manager and played with key presses, the choices read back from the
# preferences. The About box is shown again without the Japanese font, to see that the glyph check can fail.
# Screenshots and the host's logs are kept in OUTPUT_DIR.
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

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" 2>"$out/xvfb.log" &
xvfb=$!
host=
cleanup() {
    [ -n "$host" ] && kill "$host" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    for prefix in "$out"/prefix*; do WINEPREFIX=$prefix "$(dirname "$wine")/wineserver" -k 2>/dev/null || true; done
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$out/display" ] && break; sleep 0.1; done
[ -s "$out/display" ] || { echo "FAIL: Xvfb did not start: $(cat "$out/xvfb.log")"; exit 1; }
export DISPLAY=:$(cat "$out/display")

# Waits for a line of the host's log matching $2, up to $3 seconds (20 unless given): the first dialog of a run may
# wait for Wine to make its prefix.
wait_for_line() {
    local log=$1 pattern=$2 tenths=$((${3:-20} * 10))
    for _ in $(seq "$tenths"); do
        grep -qE "$pattern" "$log" && return 0
        kill -0 "$host" 2>/dev/null || { grep -qE "$pattern" "$log"; return; }
        sleep 0.1
    done
    return 1
}

dialog_window() {
    xdotool search --name 'Zavik-Trimora2.5' | head -n 1
}

# Starts the host on the plug-in with the given steps; $1 names the run, $2 holds more variables for Wine.
start_host() {
    local name=$1 extra=$2
    shift 2
    log=$out/$name.log
    : >"$log"
    # shellcheck disable=SC2086 # $extra is a list of assignments
    env "${wine_env[@]}" $extra "$wine" "$host_exe" "Z:${plugin//\//\\}" "$@" >"$log" 2>"$out/$name.err" &
    host=$!
}

# Waits for dialog $1 to be shown and takes its screenshot as $2.png; fails when $3 (a log pattern) comes first.
# $4: how long to wait, in seconds.
shown() {
    local id=$1 shot=$2 instead=$3
    wait_for_line "$log" "^dialog $id |$instead" "${4:-20}" || { fail "dialog $id did not come"; cat "$log"; return 1; }
    grep -qE "$instead" "$log" && return 1
    window=$(dialog_window)
    [ -n "$window" ] || { fail "dialog $id has no window on the display"; return 1; }
    sleep 0.5  # drawn
    import -window "$window" "$out/$shot.png"
    expected=$(field expected "dialog $id")
    [ "$(field client "dialog $id")" = "$expected" ] ||
        fail "dialog $id: client area is not the template's $(field units "dialog $id") units at the font's size"
    [ "$(identify -format '%wx%h' "$out/$shot.png")" = "$expected" ] || fail "dialog $id: screenshot size"
}

field() {  # the value after word $1 on the last line of the log that starts with $2
    grep -E "^$2" "$log" | tail -n 1 | sed -E "s/.* $1 ([^ ]+).*/\1/"
}

finish_host() {
    if ! wait_for_line "$log" '^shutdown '; then
        fail "the host did not shut the plug-in down"
        kill "$host" 2>/dev/null || true  # a dialog left open
    fi
    wait "$host" || fail "the host ended with $?"
    host=
    grep -qx 'shutdown 0' "$log" || fail "shut-down did not answer 0"
}

hex() { od -An -tx1 | tr -d ' \n'; }

# Texts the host converts to code page 932 and back with Windows' own conversions, to be held against iconv's.
texts=("内側削除" "Zavikについて..." "ﾊﾝｶｸ" "🙂")    # the last one has no place in code page 932
bytes=(8140 82a0 81 8f)                              # a space, a kana, and two lead bytes left alone
text_steps=()
for text in "${texts[@]}"; do text_steps+=("platform:$(printf '%s' "$text" | hex)"); done
for byte in "${bytes[@]}"; do text_steps+=("utf8:$byte"); done

# With the Japanese font: the About box, then the options dialog cancelled and confirmed, then the texts.
start_host run "WINEPREFIX=$out/prefix" about clip clip "${text_steps[@]}"
if shown 107 about '^about ' 120; then
    grep -qx 'startup 0' "$log" || fail "start-up did not answer 0"
    grep -qx 'menu clip added about added' "$log" || fail "the menu items are not all there"
    grep -qx 'action Zavik-Trimora2.5' "$log" || fail "the action is not registered"
    [ "$(xdotool getwindowname "$window")" = "Zavik-Trimora2.5について" ] || fail "the About box's caption is wrong"
    [ "$(field missing glyphs)" = 0 ] || fail "the font lacks glyphs for: $(grep '^glyphs' "$log" | tail -n 1)"

    xdotool windowfocus "$window" key Tab space
    wait_for_line "$log" '^shell ' || fail "the web-site button did nothing"
    xdotool key space
    sleep 0.5
    [ "$(grep -c '^shell open https://' "$log")" = 2 ] || fail "two presses did not open the site twice"
    xdotool key Escape
    sleep 1
    [ -n "$(dialog_window)" ] && ! grep -q '^about ' "$log" || fail "Escape closed the About box"
    xdotool key shift+Tab Return
    wait_for_line "$log" '^about ' && grep -qx "about 0 shown 1 site 2" "$log" ||
        fail "the About item did not answer 0 after one box: $(grep '^about' "$log")"
fi
# The options dialog comes once the clip command shows it; until then the command answers at once.
if shown 102 options-cancelled '^clip .* shown 0'; then
    [ "$(field missing glyphs)" = 0 ] || fail "the font lacks glyphs for: $(grep '^glyphs' "$log" | tail -n 1)"
    xdotool windowfocus "$window" key Escape
    wait_for_line "$log" '^preferences ' || fail "Escape did not end the command"
    grep -qx "clip 'STOP' shown 1" "$log" || fail "Escape did not give 'STOP': $(grep '^clip' "$log")"
    grep -E '^preferences' "$log" | grep -qE '=[0-9]' && fail "cancelling wrote preferences"
    if shown 102 options '^clip .* shown 0'; then
        # Focus starts on "実行"; the arrows walk the one group to "内側削除", Tab goes on to the first check box.
        xdotool windowfocus "$window" key Down Down Down Tab space
        sleep 0.5
        import -window "$window" "$out/options-chosen.png"
        xdotool key Return
        wait_for_line "$log" '^preferences .*=[0-9]' || fail "Enter did not confirm"
        # The Windows host opens no document (it has no SVG reader), so the confirmed run stops at the module's
        # "no document" check: the dialog was confirmed once the run got that far.
        [ "$(grep -E '^clip' "$log" | tail -n 1)" = "clip 'DOC?' shown 1" ] ||
            fail "confirming did not start the run: $(grep -E '^clip' "$log" | tail -n 1)"
        grep -qx 'preferences ClipType=1 DeleteEmptyLayer=1 DeleteTextOnTheLine=0 ShowProgress=0 PreserveMaskPath=0' \
            "$log" || fail "the choices did not reach the preferences: $(grep '^preferences' "$log" | tail -n 1)"
    fi
else
    grep -qE '^clip .* shown 0' "$log" && echo "note: the clip command shows no options dialog yet; not checked"
fi
finish_host
iconv_hex() {  # $1 from, $2 to; the input on stdin; "refused" where iconv refuses it
    iconv -f "$1" -t "$2" >"$out/iconv.out" 2>/dev/null && hex <"$out/iconv.out" || echo refused
}
for text in "${texts[@]}"; do
    in=$(printf '%s' "$text" | hex)
    want=$(printf '%s' "$text" | iconv_hex UTF-8 CP932)
    grep -qx "platform $in $want" "$log" || fail "'$text' to code page 932: $(grep "^platform $in" "$log"), iconv $want"
done
for byte in "${bytes[@]}"; do
    want=$(printf "$(sed 's/../\\x&/g' <<<"$byte")" | iconv_hex CP932 UTF-8)
    grep -qx "utf8 $byte $want" "$log" || fail "bytes $byte from code page 932: $(grep "^utf8 $byte" "$log"), iconv $want"
done

# Without it: a Latin font only. The Japanese characters then lack glyphs and the labels look different. Wine keeps
# what it learnt of the fonts in its prefix, so this run has a prefix of its own.
cat >"$out/no-japanese-font.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$out/fontconfig-cache</cachedir></fontconfig>
CONF
start_host run-no-font "WINEPREFIX=$out/prefix-no-japanese-font FONTCONFIG_FILE=$out/no-japanese-font.conf" about
if shown 107 about-no-font '^about ' 120; then
    [ "$(field missing glyphs)" != 0 ] ||
        fail "without the Japanese font every character still has a glyph: the check cannot see boxes"
    if [ -f "$out/about.png" ] && cmp -s "$out/about.png" "$out/about-no-font.png"; then
        fail "the Japanese labels look the same without their font"
    fi
    xdotool windowfocus "$window" key Return
fi
finish_host

echo "screenshots: $out/*.png"
[ "$failures" = 0 ] && echo "Wine dialogs: all checks passed" || echo "Wine dialogs: $failures failed"
[ "$failures" = 0 ]
