#!/bin/sh
# The screenshot walk leaves the user's folders exactly as they were: every name, kind, mode, size,
# time and byte in the home folder is the same before and after, also with the folder an ordinary
# run keeps its settings in already there; nothing is left in the temporary folder.
# Usage: screenshot_walk.sh DEMO [LANGUAGE]
set -u
demo=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
own="$work/home/.local/share/corvale-manager-demo/IMG"
mkdir -p "$own" "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"
printf 'keyManagerLanguage=Dutch\r\n' >"$own/CorvalezodidadudediradevorDeviceManager.kelnuconf"

listing() {
  (cd "$work/home" && find . -printf '%p %y %m %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort) >"$1"
}

listing "$work/before"
HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen \
  "$demo" --screenshots "$work/shots" ${2:-0} >"$work/shot-list" || { echo "the walk failed"; exit 1; }
listing "$work/after"
diff "$work/before" "$work/after" || { echo "the walk changed the home folder"; exit 1; }
left=$(ls -A "$work/tmp")
[ -z "$left" ] || { echo "left in the temporary folder: $left"; exit 1; }
[ -s "$work/shots/00-English-4-restore.png" ] || { echo "no picture of page 4"; exit 1; }
echo "home folder unchanged after a walk of $(wc -l <"$work/shot-list") pictures"
