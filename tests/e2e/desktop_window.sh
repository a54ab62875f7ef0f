#!/usr/bin/env bash
# The real qhbirthday on a virtual display with trayer as the notification
# area: the window appears with its title and is drawn, the close caption
# button hides it into the notification area, a double-click on the icon
# brings it back, and "退出系统" ends the program with status 0.
#
#   desktop_window.sh QHBIRTHDAY QHMAKEDB BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/lib.sh"

if [ "${1:-}" != "--inside" ]; then
    program=$1 makedb=$2 build=$3
    make_work_folder
    # The program and a register of its own in a folder of their own.
    cp "$program" "$E2E_WORK/qhbirthday"
    "$makedb" "$E2E_WORK/qh.dll"
    on_virtual_display 100 "$0" "$E2E_WORK/qhbirthday" "$(artefacts_folder "$build")"
fi

program=$2 ARTEFACTS=$3

window_visible() { main_window; }
window_hidden() { ! window_visible; }

# Windows embedded in trayer's panel: the notification-area icons.
tray_icons() {
    local panel
    panel=$(xdotool search --onlyvisible --class trayer | head -n1)
    [ -n "$panel" ] || return 1
    xwininfo -children -id "$panel" | awk '/^ +0x/ && $0 !~ /1x1\+/ {print $1}'
}
has_tray_icon() { [ -n "$(tray_icons)" ]; }

start_trayer
say "trayer is up"

start_program "$program"

wait_for 20 window_visible || fail "no window titled $QH_TITLE"
wid=$(window_visible)
say "window $wid is up"
geometry_of "$wid"
sleep 1
shot e2e-window.png
colours=$(colours_in e2e-window.png "${WIDTH}x${HEIGHT}+${X}+${Y}")
say "$colours colours in the window"
[ "$colours" -gt 64 ] || fail "the window looks blank ($colours colours)"

# The close caption button: 24 from the caption strip's right end, 9 down.
click_at "$wid" $((WIDTH - 24 + 6)) $((9 + 6))
wait_for 10 window_hidden || fail "the close button did not hide the window"
wait_for 10 has_tray_icon || fail "no notification-area icon after hiding"
kill -0 "$PID" || fail "the program ended on the close button"
shot e2e-tray.png
icon=$(tray_icons | head -n1)
eval "$(xwininfo -id "$icon" | awk '/Absolute upper-left X/ {print "IX=" $NF} /Absolute upper-left Y/ {print "IY=" $NF} /Width/ {print "IW=" $NF} /Height/ {print "IH=" $NF}')"
say "window hidden, icon $icon at ${IX},${IY}"

xdotool mousemove $((IX + IW / 2)) $((IY + IH / 2)) click --repeat 2 --delay 100 1
wait_for 10 window_visible || fail "a double-click on the icon did not bring the window back"
say "window shown again"
wid=$(window_visible)
sleep 0.5
shot e2e-shown-again.png

# "退出系统": the button at 792, 493 (113 by 26) in panClient.
click_main_client "$wid" 792 493 113 26
wait_ended "$PID" 10 || fail "the program did not end on 退出系统"
[ "$STATUS" = 0 ] || fail "the program ended with status $STATUS"
say "the program ended with status 0"
