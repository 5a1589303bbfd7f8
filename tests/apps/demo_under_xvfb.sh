#!/usr/bin/env bash
# The demo on a real (virtual) X display: typed into with X key events, then its document
# and the X server's picture of its window are checked. Skipped where Xvfb or xdotool are
# missing.
set -u
demo=$1 zdfconv=$2 sample=$3 screenshot=$4
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "SKIPPED: Xvfb or xdotool is missing (make test installs them)"
    exit 77
fi
work=$(mktemp -d)
display=""
for n in $(seq 97 160); do
    [[ -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1024x768x24 >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    sleep 1
    if kill -0 "$xvfb" 2>/dev/null; then display=":$n"; break; fi
done
[[ -n "$display" ]] || { echo "no free X display"; exit 1; }
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display

# Answers the library's file name dialog of that title with a path.
answer_name_dialog() {
    local dialog
    dialog=$(find_window --name "^$1\$") || return 1
    sleep 0.3 # the dialog takes the keys itself
    for _ in $(seq 1 100); do xdotool key BackSpace; done
    xdotool type --delay 20 "$2"
    xdotool key Return
}

# The first window whose name matches, waiting up to ten seconds. A single search can fail
# when a window goes away while it looks, so it is asked again.
find_window() {
    local id
    for _ in $(seq 1 50); do
        id=$(xdotool search "$@" 2>/dev/null | head -1)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

timeout 90 "$demo" "$sample" --exit-after 8000 --save "$work/typed.zdf" &
demo_pid=$!
window=$(find_window --name 'zeledit$')
[[ -n "$window" ]] || { echo "the demo's window did not appear"; exit 1; }
xdotool windowfocus "$window"
sleep 0.5
xdotool key F5                       # Vietnamese typing on
xdotool type --delay 60 "Vie65t "    # e6 gives ê, then 5 gives ệ
sleep 1
"$screenshot" xvfb-demo.png "$window" || { echo "no screenshot of the window"; exit 1; }
wait "$demo_pid" || { echo "the demo failed"; exit 1; }

"$zdfconv" totext "$work/typed.zdf" "$work/typed.txt" || exit 1
if ! head -c 40 "$work/typed.txt" | grep -q "^Việt Chào mừng"; then
    echo "typed text not found:"; head -c 80 "$work/typed.txt"; exit 1
fi

# The Open button shows the library's own file name dialog; a typed name and Enter open it.
printf 'opened through the dialog\n' >"$work/other.txt"
"$zdfconv" fromtext "$work/other.txt" "$work/other.zdf" || exit 1
timeout 90 "$demo" "$sample" --exit-after 15000 --save "$work/opened.zdf" &
demo_pid=$!
window=$(find_window --name 'zeledit$')
xdotool windowfocus "$window"
sleep 0.5
xdotool mousemove --window "$window" 84 36 click 1 # Open…, below the menu bar
answer_name_dialog "Open Document" "$work/other.zdf" || { echo "the file name dialog did not appear"; exit 1; }
# No window manager gives the keys back: the demo's window must take them again by itself.
for _ in $(seq 1 50); do
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$window" ]] && break
    sleep 0.2
done
[[ "$(xdotool getwindowfocus 2>/dev/null)" == "$window" ]] || { echo "the demo's window did not take the keys back"; exit 1; }
sleep 0.3
xdotool type --delay 40 "keys "
wait "$demo_pid" || { echo "the demo failed"; exit 1; }
"$zdfconv" totext "$work/opened.zdf" "$work/opened.txt" || exit 1
grep -q "opened through the dialog" "$work/opened.txt" || { echo "the dialog did not open the file"; exit 1; }
grep -q "^keys opened through the dialog" "$work/opened.txt" ||
    { echo "keys typed after the dialog closed did not reach the editor:"; head -c 80 "$work/opened.txt"; exit 1; }
# Unsaved work: New asks first, and the key that answers the question types nothing; Save on
# the new document asks for a name and leaves the opened file alone.
cp "$sample" "$work/mine.zdf"
timeout 90 "$demo" "$work/mine.zdf" --exit-after 15000 &
demo_pid=$!
window=$(find_window --name '^mine[.]zdf')
[[ -n "$window" ]] || { echo "the title does not name the file"; exit 1; }
xdotool windowfocus "$window"
sleep 0.5
xdotool type --delay 40 "abc"
xdotool key ctrl+n
question=$(find_window --onlyvisible --name '^zeledit$')
[[ -n "$question" ]] || { echo "New did not ask about the unsaved changes"; exit 1; }
sleep 0.3
xdotool key n
sleep 0.5
xdotool type --delay 40 "fresh"
xdotool key ctrl+s
answer_name_dialog "Save Document As" "$work/fresh.zdf" || { echo "Save on a new document did not ask for a name"; exit 1; }
sleep 1
[[ "$(xdotool getwindowname "$window")" == "fresh.zdf — zeledit" ]] || { echo "the title did not follow the save"; exit 1; }
wait "$demo_pid" || { echo "the demo failed"; exit 1; }
cmp -s "$sample" "$work/mine.zdf" || { echo "the opened file was changed"; exit 1; }
"$zdfconv" totext "$work/fresh.zdf" "$work/fresh.txt" || exit 1
[[ "$(cat "$work/fresh.txt")" == "fresh" ]] || { echo "the new document is not what was typed:"; cat "$work/fresh.txt"; exit 1; }

echo "typed into the demo under $display and opened a file through its dialog; the X server's picture of its window is in $(pwd)/xvfb-demo.png"
