# Shared by the end-to-end test scripts; sourced, never run on its own.
#
# A test script runs twice. Started by CTest it prepares a temporary folder
# and runs itself again with --inside on a virtual display of its own
# (on_virtual_display); the inside run starts trayer and the program and
# drives them with xdotool. Every wait has a time limit.

QH_TITLE='青禾农历生日查询软件V1.0'
QH_SCREEN='1280x1024x24'
TAB=$'\t'
# The main window's frame: panClient lies 6 in from the left edge and under
# the 47 high caption strip. The dialog frame's caption strip is 35 high,
# its status strip 22.
MAIN_WIDTH=927 MAIN_HEIGHT=593 MAIN_CLIENT_LEFT=6 MAIN_CLIENT_TOP=47
DIALOG_CLIENT_LEFT=6 DIALOG_CLIENT_TOP=35 DIALOG_STATUS_HEIGHT=22

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

# ---- Outside: the test's folder and its virtual display --------------------

# The artefacts folder (made if need be), as an absolute path.
artefacts_folder() {
    local folder=${QH_ARTEFACTS:-$1}
    mkdir -p "$folder" && (cd "$folder" && pwd)
}

# Makes E2E_WORK, a temporary folder removed when the script ends.
make_work_folder() {
    E2E_WORK=$(mktemp -d)
    trap 'rm -rf "$E2E_WORK"' EXIT
}

# on_virtual_display SECONDS SCRIPT ARGS...: runs SCRIPT --inside ARGS on a
# fresh X display and ends the script with its status. Where D-Bus is at
# hand the run gets a session bus of its own with the accessibility bus
# switched on, so that the texts of the program's windows can be read. The
# whole run is cut off after SECONDS.
on_virtual_display() {
    local seconds=$1 script=$2; shift 2
    local status=0 session=()
    command -v dbus-run-session >/dev/null && session=(dbus-run-session --)
    mkdir -m 700 -p "$E2E_WORK/runtime"
    # Window titles are read in UTF-8, whatever the machine's locale.
    LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$E2E_WORK/runtime" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        timeout "$seconds" xvfb-run -a -s "-screen 0 $QH_SCREEN" \
        "${session[@]}" bash "$script" --inside "$@" || status=$?
    [ "$status" != 124 ] || printf 'e2e: FAILED: cut off after %s seconds\n' "$seconds" >&2
    exit "$status"
}

# ---- Inside: processes -------------------------------------------------------

E2E_PIDS=()
stop_started() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap stop_started EXIT

# Starts trayer as the notification area along the bottom edge.
start_trayer() {
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
           --transparent false --tint 0x4f6f9f >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    wait_for 10 xdotool search --onlyvisible --class trayer || fail "trayer did not map its panel"
}

# start_program EXECUTABLE [WORKING_FOLDER]: starts the program; sets PID.
start_program() {
    local program=$1 folder=${2:-$PWD}
    (cd "$folder" && exec "$program") &
    PID=$!
    E2E_PIDS+=("$PID")
}

# Waits up to $2 seconds for process $1 to end; sets STATUS to its exit status.
wait_ended() {
    local pid=$1 seconds=$2
    wait_for "$seconds" eval "! kill -0 $pid" || return 1
    STATUS=0
    wait "$pid" || STATUS=$?
}

# ---- Inside: windows ---------------------------------------------------------

# Visible windows titled exactly $1. The search reads WM_NAME, which holds
# the window's own title; _NET_WM_NAME adds " — " and the application's
# name to any title other than that name.
windows_titled() {
    local title
    title=$(printf '%s' "$1" | sed 's/[].[^$*+?(){}|\\]/\\&/g')
    xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null
}

# The main window: titled like the application (as are the general error
# reports) and 927 by 593.
main_window() {
    local id
    for id in $(windows_titled "$QH_TITLE"); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" = "$MAIN_WIDTH" ] && [ "$HEIGHT" = "$MAIN_HEIGHT" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Sets X, Y, WIDTH, HEIGHT of window $1.
geometry_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# click_at WINDOW LEFT TOP: a left click at that point of the window.
click_at() {
    geometry_of "$1"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

# click_main_client WINDOW LEFT TOP WIDTH HEIGHT: a click in the middle of
# a control of the main window's panClient.
click_main_client() {
    click_at "$1" $((MAIN_CLIENT_LEFT + $2 + $4 / 2)) $((MAIN_CLIENT_TOP + $3 + $5 / 2))
}

# Gives window $1 the keyboard and presses the keys that follow.
keys_to() {
    local id=$1; shift
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --delay 40 "$@"
}

# ---- Inside: what the windows say -------------------------------------------

# Starts the accessibility bus (the first question to it does), so that
# the program finds it from its first moment.
start_accessibility_bus() {
    wait_for 10 eval '"$WINDOW_TEXTS" $$ 0; [ $? != 2 ]' || fail "no accessibility bus"
}

# The program's windows as the accessibility bus shows them, DEPTH levels
# deep: one "role<TAB>name" line per object, indented below its window.
window_texts() { "$WINDOW_TEXTS" "$PID" "${1:-3}"; }

# The message box now open: "caption<TAB>text" (a line break in the text
# written as \n). Fails while there is none.
message_box() {
    window_texts 2 | awk -F'\t' '
        /^alert/ { caption = $2; inside = 1; next }
        /^[^ ]/ { inside = 0 }
        inside && $1 ~ /^ +label$/ && $2 != "" { text = $2 }
        END { if (caption == "" && text == "") exit 1; printf "%s\t%s\n", caption, text }'
}

# answer_box CAPTION TEXT_START SHOT: waits for the next message box, checks
# its caption and the start of its text, keeps a screenshot of it when SHOT
# names one and answers it with Return. Sets BOX to "caption<TAB>text".
answer_box() {
    local caption=$1 start=$2 shot=${3:-} id
    wait_for 15 message_box || fail "no message box (expected \"$caption\": $start)"
    BOX=$(message_box)
    say "message box: ${BOX/$'\t'/: }"
    [ "${BOX%%$'\t'*}" = "$caption" ] || fail "the message box's caption is \"${BOX%%$'\t'*}\", not \"$caption\""
    case "${BOX#*$'\t'}" in
        "$start"*) ;;
        *) fail "the message box says \"${BOX#*$'\t'}\", not \"$start…\"" ;;
    esac
    wait_for 10 box_window "$caption" || fail "the message box \"$caption\" is not on the screen"
    id=$(box_window "$caption")
    [ -z "$shot" ] || shot_window "$id" "$shot"
    keys_to "$id" Return
    wait_for 10 eval "! window_is_visible $id" || fail "the message box \"$caption\" did not close on Return"
}

# The visible window of a message box captioned $1 (a general error report
# bears the application's title, as the main window does).
box_window() {
    local id main
    main=$(main_window) || true
    for id in $(windows_titled "$1"); do
        [ "$id" = "$main" ] || { echo "$id"; return 0; }
    done
    return 1
}

# answer_reports_until_ended SECONDS: answers the general error reports that
# come up until the program ends; sets REPORTS to their number and STATUS
# to the exit status. Fails when the program is still running by then.
answer_reports_until_ended() {
    local end=$((SECONDS + $1))
    REPORTS=0
    while kill -0 "$PID" 2>/dev/null; do
        [ $SECONDS -lt $end ] || fail "the program is still running after the messages"
        if message_box >/dev/null 2>&1; then
            answer_box "$QH_TITLE" ""
            REPORTS=$((REPORTS + 1))
        else
            sleep 0.2
        fi
    done
    wait_ended "$PID" 1
}

window_is_visible() { xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"; }

# No message box is open.
no_message_box() { ! message_box; }

# ---- Inside: screenshots -----------------------------------------------------

shot() {
    import -window root "$ARTEFACTS/$1"
    say "screenshot $ARTEFACTS/$1"
}

# shot_window WINDOW NAME: the screen inside that window's rectangle.
shot_window() {
    geometry_of "$1"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$ARTEFACTS/$2"
    say "screenshot $ARTEFACTS/$2"
}

# Distinct colours inside a rectangle ("WxH+X+Y") of a screenshot.
colours_in() {
    convert "$ARTEFACTS/$1" -crop "$2" +repage -format '%k' info:
}
