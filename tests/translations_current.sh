#!/bin/sh
# Fails when a translation is unfinished, or its source text vanished or came
# new since: lupdate, run on copies of the translations, must find nothing.
# translations_current.sh LUPDATE TS_FOLDER SOURCE...
lupdate=$1 folder=$2
shift 2
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT && cp "$folder"/tabulon_*.ts "$work" || exit 2
"$lupdate" -silent -locations relative "$@" -ts "$work"/*.ts || exit 2
! grep -H -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$work"/*.ts
