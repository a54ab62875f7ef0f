#!/usr/bin/env bash
# The real qhbirthday on a virtual display with trayer as the notification
# area: the window appears with its title and is drawn, the close caption
# button hides it into the notification area, a double-click on the icon
# brings it back, and "退出系统" ends the program with status 0.
#
#   desktop_window.sh QHBIRTHDAY QHMAKEDB BUILD_DIR
set -euo pipefail

TITLE='青禾农历生日查询软件V1.0'
SCREEN='1280x1024x24'

if [ "${1:-}" != "--inside" ]; then
    program=$1 makedb=$2 build=$3
    artefacts=${QH_ARTEFACTS:-$build}
    mkdir -p "$artefacts"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # The program and a register of its own in a folder of their own.
    cp "$program" "$work/qhbirthday"
    "$makedb" "$work/qh.dll"
    exec timeout 100 xvfb-run -a -s "-screen 0 $SCREEN" \
        bash "$0" --inside "$work/qhbirthday" "$(cd "$artefacts" && pwd)"
fi

program=$2 artefacts=$3
say() { printf 'e2e: %s\n' "$*"; }
fail() { printf 'e2e: FAILED: %s\n' "$*" >&2; exit 1; }

# Waits up to $1 seconds for the command to succeed.
wait_for() {
    local seconds=$1; shift
    local end=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.2
    done
}

window_visible() { xdotool search --onlyvisible --name "^${TITLE}\$"; }
window_hidden() { ! window_visible; }

# Windows embedded in trayer's panel: the notification-area icons.
tray_icons() {
    local panel
    panel=$(xdotool search --onlyvisible --class trayer | head -n1)
    [ -n "$panel" ] || return 1
    xwininfo -children -id "$panel" | awk '/^ +0x/ && $0 !~ /1x1\+/ {print $1}'
}
has_tray_icon() { [ -n "$(tray_icons)" ]; }

shot() {
    import -window root "$artefacts/$1"
    say "screenshot $artefacts/$1"
}

# Distinct colours inside a window's rectangle of a screenshot.
colours_in() {
    convert "$artefacts/$1" -crop "$2" +repage -format '%k' info:
}

trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
       --transparent false --tint 0x4f6f9f >/dev/null 2>&1 &
trayer_pid=$!
wait_for 10 xdotool search --onlyvisible --class trayer || fail "trayer did not map its panel"
say "trayer is up"

"$program" &
pid=$!
cleanup() { kill "$pid" "$trayer_pid" 2>/dev/null || true; }
trap cleanup EXIT

wait_for 20 window_visible || fail "no window titled $TITLE"
wid=$(window_visible | head -n1)
say "window $wid is up"
eval "$(xdotool getwindowgeometry --shell "$wid")"   # X Y WIDTH HEIGHT
[ "$WIDTH" = 927 ] && [ "$HEIGHT" = 593 ] || fail "window is ${WIDTH}x${HEIGHT}, not 927x593"
sleep 1
shot e2e-window.png
colours=$(colours_in e2e-window.png "${WIDTH}x${HEIGHT}+${X}+${Y}")
say "$colours colours in the window"
[ "$colours" -gt 64 ] || fail "the window looks blank ($colours colours)"

# The close caption button: 24 from the caption strip's right end, 9 down.
xdotool mousemove $((X + WIDTH - 24 + 6)) $((Y + 9 + 6)) click 1
wait_for 10 window_hidden || fail "the close button did not hide the window"
wait_for 10 has_tray_icon || fail "no notification-area icon after hiding"
kill -0 "$pid" || fail "the program ended on the close button"
shot e2e-tray.png
icon=$(tray_icons | head -n1)
eval "$(xwininfo -id "$icon" | awk '/Absolute upper-left X/ {print "IX=" $NF} /Absolute upper-left Y/ {print "IY=" $NF} /Width/ {print "IW=" $NF} /Height/ {print "IH=" $NF}')"
say "window hidden, icon $icon at ${IX},${IY}"

xdotool mousemove $((IX + IW / 2)) $((IY + IH / 2)) click --repeat 2 --delay 100 1
wait_for 10 window_visible || fail "a double-click on the icon did not bring the window back"
say "window shown again"
wid=$(window_visible | head -n1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 0.5
shot e2e-shown-again.png

# "退出系统": panClient lies 6 in from the left and under the 47 high
# caption strip; the button (792, 493, 113 by 26) has its centre at
# 792 + 56, 493 + 13 in it.
xdotool mousemove $((X + 6 + 792 + 56)) $((Y + 47 + 493 + 13)) click 1
status=0
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end on 退出系统"
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
say "the program ended with status 0"
