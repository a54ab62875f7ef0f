#!/usr/bin/env bash
# A person registered through the real add-birthday dialog: "管理生日数据"
# opens it, the name 张三, the lunar birthday 1985-08-08 and a count of 3
# years are typed in, "保存" stores them ("农历生日信息添加完毕"), "退出"
# closes the dialog and the lists show the person; after "退出系统" the
# register file holds the person and one birthday row for every day of the
# span on which lunar month 8 day 8 falls, as the calendar engine (qhcal)
# finds them. The span depends on the year of today, read when saving.
#
#   register_person.sh QHBIRTHDAY QHMAKEDB BUILD_DIR WINDOW_TEXTS QHCAL
set -euo pipefail
source "$(dirname "$0")/lib.sh"

if [ "${1:-}" != "--inside" ]; then
    program=$1 makedb=$2 build=$3 texts=$4 qhcal=$5
    make_work_folder
    cp "$program" "$E2E_WORK/qhbirthday"
    "$makedb" "$E2E_WORK/qh.dll"
    on_virtual_display 100 "$0" "$E2E_WORK" "$(artefacts_folder "$build")" "$texts" "$qhcal"
fi

work=$2 ARTEFACTS=$3 WINDOW_TEXTS=$4 qhcal=$5
NAME=张三 BIRTHDAY=1985-08-08 COUNT=3

# The add-birthday dialog's controls: the name, birthday and year-count
# boxes in the input panel under the 57 high heading panel, and "保存" and
# "退出" in the 41 high button panel along the bottom.
dialog_box() { # DIALOG LEFT TOP WIDTH
    click_at "$1" $((DIALOG_CLIENT_LEFT + $2 + $4 / 2)) $((DIALOG_CLIENT_TOP + 57 + $3 + 10))
}
dialog_button() { # DIALOG LEFT
    geometry_of "$1"
    click_at "$1" $((DIALOG_CLIENT_LEFT + $2 + 37)) $((HEIGHT - DIALOG_STATUS_HEIGHT - 41 + 8 + 12))
}
# fill_in DIALOG LEFT TOP WIDTH TEXT: replaces the text of that box.
fill_in() {
    dialog_box "$1" "$2" "$3" "$4"
    xdotool key ctrl+a BackSpace
    xdotool type --delay 40 "$5"
}

# The cells of the three lists as the accessibility bus reads them, one
# "list<TAB>text" line each; the lists are numbered in the window's order:
# 1 all persons, 2 this year's birthdays, 3 the selected person's.
list_cells() {
    window_texts 8 | awk -F'\t' '$1 ~ /^ *table$/ { n++ } n && $1 ~ /^ *cell$/ { print n "\t" $2 }'
}
shows_in_list() { grep -qxF "$1${TAB}$2" <<<"$cells"; }

start_trayer
start_accessibility_bus
start_program "$work/qhbirthday"
wait_for 20 main_window || fail "no main window"
wid=$(main_window)
say "window $wid is up"

click_main_client "$wid" 648 493 113 26   # 管理生日数据
wait_for 10 windows_titled 添加生日信息 || fail "管理生日数据 did not open the add-birthday dialog"
dialog=$(windows_titled 添加生日信息)
say "dialog $dialog is open"

fill_in "$dialog" 128 10 265 "$NAME"
fill_in "$dialog" 128 43 265 "$BIRTHDAY"
fill_in "$dialog" 151 91 121 "$COUNT"
sleep 0.3
shot_window "$dialog" e2e-dialog-filled.png

year_before=$(date +%Y)
dialog_button "$dialog" 120   # 保存
answer_box 系统提示 农历生日信息添加完毕 e2e-dialog-saved.png
year_after=$(date +%Y)
say "saved in $year_before"

dialog_button "$dialog" 248   # 退出
wait_for 10 eval "! window_is_visible $dialog" || fail "退出 did not close the dialog"
# The lists are read again after the save; the person's own list shows
# the birthdays once the dialog has closed.
wait_for 10 eval 'list_cells | grep -qxF "3${TAB}$NAME"' || fail "the lists do not show $NAME after the save"
cells=$(list_cells)
sleep 0.3
shot_window "$wid" e2e-after-save.png

click_main_client "$wid" 792 493 113 26   # 退出系统
wait_ended "$PID" 10 || fail "the program did not end on 退出系统"
[ "$STATUS" = 0 ] || fail "the program ended with status $STATUS"

# ---- The register file ------------------------------------------------------
db=$work/qh.dll
query() { sqlite3 -batch -noheader -separator '|' "$db" "$1"; }

persons=$(query "select Buser, BNbirthday from tbl_nlbirthday")
[ "$persons" = "$NAME|1985-8-08" ] || fail "tbl_nlbirthday holds \"$persons\", not \"$NAME|1985-8-08\""

# Lunar month 8 day 8 (of the month or of its leap repeat) in the years of
# the span: from the year of saving to that year plus the count plus one.
# The days the span leaves out at the start of its first year lie in
# January, long before lunar month 8.
expected_days() {
    "$qhcal" dump --from "$1-01-01" --to "$(($1 + COUNT + 1))-12-31" \
        | grep '"lunar_month":8,"lunar_day":8,' | sed 's/.*"date":"\([0-9-]*\)".*/\1/'
}
weekdays=(星期天 星期一 星期二 星期三 星期四 星期五 星期六)

rows=$(query "select BGbirthday, NL, NF, XQ from tbl_glbirthday where Buser = '$NAME' order by BGbirthday")
[ -n "$rows" ] || fail "tbl_glbirthday holds no birthday of $NAME"
stored_days=()
while IFS='|' read -r text age year weekday; do
    [ "${#text}" = 11 ] && [ "${text:10}" = ' ' ] || fail "BGbirthday \"$text\" is not a day followed by a blank"
    day=${text:0:10}
    line=$("$qhcal" dump --from "$day" --to "$day")
    case "$line" in
        *'"lunar_month":8,"lunar_day":8,'*) ;;
        *) fail "$day is not lunar month 8 day 8: $line" ;;
    esac
    week=$(printf '%s' "$line" | sed 's/.*"week":\([0-9]\).*/\1/')
    [ "$year" = "${day:0:4}" ] || fail "$day stored with the year $year"
    [ "$age" = $((10#${day:0:4} - 1985)) ] || fail "$day stored with the age $age"
    [ "$weekday" = "${weekdays[week - 1]}" ] || fail "$day stored as $weekday, not ${weekdays[week - 1]}"
    stored_days+=("$day")
done <<<"$rows"
stored=$(printf '%s\n' "${stored_days[@]}")
if [ "$stored" != "$(expected_days "$year_before")" ] && [ "$stored" != "$(expected_days "$year_after")" ]; then
    fail "stored days: $(echo $stored); expected: $(echo $(expected_days "$year_before"))"
fi
others=$(query "select count(*) from tbl_glbirthday where Buser <> '$NAME'")
[ "$others" = 0 ] || fail "$others birthday rows of someone else"
say "the register holds $NAME with ${#stored_days[@]} birthdays: $(echo $stored)"

# ---- The lists after the save -------------------------------------------------
shows_in_list 1 "$NAME" && shows_in_list 1 1985-8-08 || fail "the persons list does not show $NAME, 1985-8-08"
shows_in_list 2 "$NAME" || fail "this year's list does not show $NAME"
for day in "${stored_days[@]}"; do
    shows_in_list 3 "$day " || fail "the person's list does not show $day"
    case "$day" in
        "$year_before"-*|"$year_after"-*) shows_in_list 2 "$day " || fail "this year's list does not show $day" ;;
    esac
done
say "the lists show $NAME: $(grep -c "${TAB}$NAME\$" <<<"$cells") cells"
