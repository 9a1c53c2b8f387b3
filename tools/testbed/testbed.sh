#!/usr/bin/env bash
# The Wine test bed. Every Win32 test runs through it.
#   testbed.sh setup    DIR   make DIR/prefix with wineboot; start Xvfb if DISPLAY is unset
#   testbed.sh run      DIR   COMMAND...   run COMMAND inside that bed
#   testbed.sh teardown DIR   stop the prefix's server and our Xvfb
# DIR must be an absolute path inside a build tree: the bed never touches another prefix.
set -euo pipefail

action=${1:?action}
bed=${2:?test bed folder}
shift 2
case "$bed" in
  /*/build/*) ;;
  *) echo "testbed: refusing a test bed outside a build tree: $bed" >&2; exit 2 ;;
esac

export WINEPREFIX="$bed/prefix"
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEARCH=win64
# No crash dialogs or desktop menu entries; they would hang or litter a test run.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$bed/xvfb.log" 2>&1 &
    echo $! >"$bed/xvfb.pid"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n" >"$bed/display"; return 0; }
      sleep 0.1
    done
    kill "$(cat "$bed/xvfb.pid")" 2>/dev/null || true
  done
  echo "testbed: could not start Xvfb" >&2
  return 1
}

case "$action" in
  setup)
    # Without the glibc locale Wine silently falls back to code page 1252.
    if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
      echo "testbed: the zh_CN.UTF-8 locale is missing (locales package, locale-gen)" >&2
      exit 1
    fi
    mkdir -p "$bed"
    if [ -n "${DISPLAY:-}" ]; then
      echo "$DISPLAY" >"$bed/display"
    elif [ -f "$bed/xvfb.pid" ] && kill -0 "$(cat "$bed/xvfb.pid")" 2>/dev/null; then
      :  # a bed set up again keeps its Xvfb rather than leaking a second one
    else
      start_xvfb
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      # No display and no Mono or Gecko: wineboot must not wait on an installer dialog.
      env -u DISPLAY WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree=d;mshtml=d" wineboot -i
    fi
    # Xvfb has no window manager: unmanaged windows spare each hidden window a 2 s wait.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    wineserver -w
    ;;
  run)
    DISPLAY=$(cat "$bed/display")
    export DISPLAY
    exec "$@"
    ;;
  teardown)
    wineserver -k 2>/dev/null || true
    if [ -f "$bed/xvfb.pid" ]; then
      kill "$(cat "$bed/xvfb.pid")" 2>/dev/null || true
      rm -f "$bed/xvfb.pid"
    fi
    ;;
  *) echo "testbed: unknown action $action" >&2; exit 2 ;;
esac
