#!/bin/sh
# A close signal (SIGTERM, SIGINT, SIGHUP) to the program or to the demo closes it as its window's
# close does: it ends with status 0, its settings file saved, and the demo's temporary folder for
# the run (no home folder to write to) removed. A SIGINT the program was started with ignored stays
# ignored.
# Usage: close_on_signal.sh demo DEMO | close_on_signal.sh program PROGRAM
set -u
kind=$1
binary=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/data" "$work/tmp" "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"

# Runs the program (as it is started: env and its options first) with HOME=$HOME_FOR, waits until the
# folder $1 (a pattern) is there, which it makes after it has blocked the signals, sends each of
# the signals $2 (a list) a second apart, each but the first only while it still runs, and waits for the end: its status.
signal_run() {
  folder=$1
  signals=$2
  shift 2
  HOME=$HOME_FOR XDG_DATA_HOME=$work/data TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime \
    QT_QPA_PLATFORM=offscreen "$@" &
  pid=$!
  tries=0
  until ls -d $folder >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 600 ] || ! kill -0 $pid 2>/dev/null; then
      echo "it made no folder $folder"
      kill -KILL $pid 2>/dev/null
      return 99
    fi
    sleep 0.1
  done
  first=1
  for signal in $signals; do
    if [ $first -eq 0 ]; then
      sleep 1
      kill -0 $pid 2>/dev/null || { echo "it ended before SIG$signal"; return 98; }
    fi
    first=0
    kill -$signal $pid 2>/dev/null
  done
  # A window that does not close is ended after a minute, with the status of a kill.
  (sleep 60; kill -KILL $pid) >/dev/null 2>&1 &
  watchdog=$!
  wait $pid
  status=$?
  kill $watchdog 2>/dev/null
  return $status
}

# expect_closed WHAT SETTINGS FOLDER SIGNALS COMMAND...: the run ends with 0 and SETTINGS is there.
expect_closed() {
  what=$1
  settings=$2
  shift 2
  rm -rf "$work/home/.local" "$work/data/"*
  signal_run "$@"
  status=$?
  [ $status -eq 0 ] || { echo "$what: ended with status $status"; exit 1; }
  [ -s "$settings" ] || { echo "$what: no settings file saved"; exit 1; }
  echo "$what: closed, settings saved"
}

# Background jobs of a script start with SIGINT ignored; the runs give it back its default action.
default="env --default-signal=INT,TERM,HUP"
name=CorvalezodidadudediradevorDeviceManager.kelnuconf
HOME_FOR=$work/home

if [ "$kind" = program ]; then
  # Copied away from the IMG folder the build makes beside it: it keeps its files below XDG_DATA_HOME.
  cp "$binary" "$work/bin/corvale-manager" || exit 1
  img="$work/data/corvale-manager/IMG"
  for signal in TERM INT HUP; do
    expect_closed "the program on SIG$signal" "$img/$name" "$img" $signal $default "$work/bin/corvale-manager"
  done
  exit 0
fi

img="$work/home/.local/share/corvale-manager-demo/IMG"
for signal in TERM INT HUP; do
  expect_closed "the demo on SIG$signal" "$img/$name" "$img" $signal $default "$binary"
done
expect_closed "the demo started with SIGINT ignored, on SIGINT then SIGTERM" "$img/$name" "$img" "INT TERM" \
  env --default-signal=TERM,HUP --ignore-signal=INT "$binary"

HOME_FOR=$work/no-such-folder
signal_run "$work/tmp/corvale-manager-demo-*" TERM $default "$binary"
status=$?
[ $status -eq 0 ] || { echo "the demo without a home folder: ended with status $status"; exit 1; }
left=$(ls -A "$work/tmp")
[ -z "$left" ] || { echo "the demo without a home folder: left behind: $left"; exit 1; }
echo "the demo without a home folder: closed, its temporary folder removed"
