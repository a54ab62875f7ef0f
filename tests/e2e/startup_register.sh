#!/usr/bin/env bash
# The real qhbirthday attaching its register "qh.dll", always the one beside
# the executable, whatever the working folder holds:
#   - a sound empty register: the window appears, no message box, and
#     "退出系统" ends the program with status 0;
#   - no "qh.dll" beside the executable (a sound one in the working folder):
#     the start-up failure message, then the general error reports, and the
#     program ends with status 1;
#   - a "qh.dll" that is no database: "连接数据库失败" first, then as above.
# Every message box is read over the accessibility bus and answered with
# Return.
#
#   startup_register.sh QHBIRTHDAY QHMAKEDB BUILD_DIR WINDOW_TEXTS
set -euo pipefail
source "$(dirname "$0")/lib.sh"

if [ "${1:-}" != "--inside" ]; then
    program=$1 makedb=$2 build=$3 texts=$4
    make_work_folder
    mkdir "$E2E_WORK/sound" "$E2E_WORK/missing" "$E2E_WORK/broken" "$E2E_WORK/elsewhere"
    for case in sound missing broken; do cp "$program" "$E2E_WORK/$case/qhbirthday"; done
    "$makedb" "$E2E_WORK/sound/qh.dll"
    printf 'qh.dll of another program\r\n' >"$E2E_WORK/broken/qh.dll"
    on_virtual_display 110 "$0" "$E2E_WORK" "$(artefacts_folder "$build")" "$texts"
fi

work=$2 ARTEFACTS=$3 WINDOW_TEXTS=$4
elsewhere=$work/elsewhere
failure_text=$'系统启动失败！，请联系青禾软件工作室\\n联系电话：'

start_trayer
start_accessibility_bus

# ---- A sound empty register, started from an empty working folder -----------
start_program "$work/sound/qhbirthday" "$elsewhere"
wait_for 20 main_window || fail "no main window with a sound register"
wid=$(main_window)
# The window is up once start-up is over; what the accessibility bus shows
# of the program then must hold the main window and no message box.
wait_for 10 eval 'window_texts 0 | grep -q "${TAB}$QH_TITLE\$"' || fail "the program is not on the accessibility bus"
sleep 0.5
no_message_box || fail "a message box at start-up: $(message_box)"
say "sound register: window $wid up, no message box"
shot_window "$wid" e2e-startup-sound.png
click_main_client "$wid" 792 493 113 26   # 退出系统
wait_ended "$PID" 10 || fail "the program did not end on 退出系统"
[ "$STATUS" = 0 ] || fail "the program ended with status $STATUS after 退出系统"
[ -z "$(ls -A "$elsewhere")" ] || fail "the program left files in its working folder: $(ls -A "$elsewhere")"
say "sound register: ended with status 0"

# ---- No register beside the executable, a sound one in the working folder ----
cp "$work/sound/qh.dll" "$elsewhere/qh.dll"
start_program "$work/missing/qhbirthday" "$elsewhere"
answer_box 系统提示 "$failure_text" e2e-startup-failure.png
answer_box "$QH_TITLE" "找不到数据库文件 qh.dll（$work/missing/qh.dll）"
answer_reports_until_ended 20
[ "$STATUS" = 1 ] || fail "without qh.dll the program ended with status $STATUS, not 1"
[ ! -e "$work/missing/qh.dll" ] || fail "the program created a qh.dll"
say "no register: start-up failure, error report and $REPORTS more; status 1"

# ---- A "qh.dll" that is not a database --------------------------------------
start_program "$work/broken/qhbirthday" "$elsewhere"
answer_box 系统错误: "连接数据库失败,请重新配置数据库信息！" e2e-startup-connect-failed.png
answer_box 系统提示 "$failure_text"
answer_box "$QH_TITLE" "无法打开数据库文件 qh.dll（$work/broken/qh.dll）"
answer_reports_until_ended 20
[ "$STATUS" = 1 ] || fail "with a broken qh.dll the program ended with status $STATUS, not 1"
[ "$(cat "$work/broken/qh.dll")" = $'qh.dll of another program\r' ] || fail "the broken qh.dll was altered"
say "broken register: connection failure, start-up failure, error report and $REPORTS more; status 1"
