# Running Windows programs under Wine on a Linux machine, with or without a display.
# Sourced by scripts/run-program.sh and tests/e2e/run-e2e.sh.

# The program's texts need Wine's code page to be Japanese, and a quiet prefix that does not
# offer to install anything.
wine_environment() {
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
}

# Creates the prefix $WINEPREFIX when it does not exist yet (the first start is the slow one).
prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 180 wineboot -i >"$WINEPREFIX.boot.log" 2>&1 || {
      echo "wineboot failed; see $WINEPREFIX.boot.log" >&2
      return 1
    }
  fi
}

# Starts Xvfb on a free display number, exports DISPLAY and sets XVFB_PID.
start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  local waited=0
  until [ -e "/tmp/.X11-unix/X$n" ]; do
    sleep 0.2
    waited=$((waited + 1))
    if [ $waited -gt 100 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start on :$n" >&2
      return 1
    fi
  done
  export DISPLAY=":$n"
}

# Ends the prefix's Wine processes and the virtual display, if one was started.
stop_wine_and_display() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Ends all that a headless run started: the screenshot watcher, if any, the prefix's Wine
# processes and the virtual display, and its scratch folder. For the EXIT trap.
# Usage: end_headless_run FOLDER
end_headless_run() {
  [ -n "${SCREENSHOT_WATCHER:-}" ] && kill "$SCREENSHOT_WATCHER" 2>/dev/null || true
  stop_wine_and_display
  rm -rf "$1"
}

# Waits up to $1 seconds for a top-level X window named $2.
wait_for_x_window() {
  local seconds=$1 name=$2 i
  for ((i = 0; i < seconds * 5; i++)); do
    xwininfo -root -tree 2>/dev/null | grep -qF "\"$name\"" && return 0
    sleep 0.2
  done
  return 1
}

# The Windows form of a Linux path, through Wine's Z: drive.
windows_path() {
  local path
  path=$(realpath "$1")
  echo "Z:${path//\//\\}"
}

# Takes a screenshot of the virtual screen into FOLDER/screen.png when the end-to-end driver
# asks for one (it creates FOLDER/wanted and waits for FOLDER/taken), for at most SECONDS.
# Runs in the background; sets SCREENSHOT_WATCHER to its process.
# Usage: watch_for_screenshot_requests FOLDER SECONDS
watch_for_screenshot_requests() {
  local folder=$1 tenths=$(($2 * 10))
  (
    for ((i = 0; i < tenths; i++)); do
      if [ -e "$folder/wanted" ]; then
        import -window root "$folder/screen.png"
        touch "$folder/taken"
        exit 0
      fi
      sleep 0.1
    done
  ) &
  SCREENSHOT_WATCHER=$!
}
