#!/bin/sh
# SIGTERM to the demo closes it as its window's close does: it ends with status 0, its settings
# file saved, and the temporary folder it made for the run (no home folder to write to) removed.
# Usage: close_on_signal.sh DEMO
set -u
demo=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"

# Runs the demo with HOME=$1, waits until the folder $2 (a pattern) is there, which the demo makes
# after it has taken the signal, sends SIGTERM and waits for the end: its status.
terminate() {
  HOME=$1 TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen "$demo" &
  pid=$!
  tries=0
  until ls -d $2 >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 600 ] || ! kill -0 $pid 2>/dev/null; then
      echo "the demo made no folder $2"
      kill -KILL $pid 2>/dev/null
      return 99
    fi
    sleep 0.1
  done
  kill -TERM $pid
  # A window that does not close is ended after a minute, with the status of a kill.
  (sleep 60; kill -KILL $pid) >/dev/null 2>&1 &
  watchdog=$!
  wait $pid
  status=$?
  kill $watchdog 2>/dev/null
  return $status
}

settings="$work/home/.local/share/corvale-manager-demo/IMG/CorvalezodidadudediradevorDeviceManager.kelnuconf"
terminate "$work/home" "$work/home/.local/share/corvale-manager-demo/IMG"
status=$?
[ $status -eq 0 ] || { echo "with a home folder: ended with status $status"; exit 1; }
[ -s "$settings" ] || { echo "with a home folder: no settings file saved"; exit 1; }

terminate "$work/no-such-folder" "$work/tmp/corvale-manager-demo-*"
status=$?
[ $status -eq 0 ] || { echo "without a home folder: ended with status $status"; exit 1; }
left=$(ls -A "$work/tmp")
[ -z "$left" ] || { echo "without a home folder: left behind: $left"; exit 1; }
echo "closed on SIGTERM both times"
