# Shared by the Wine scripts (sourced, not run): the Wine prefix and the
# virtual display.

# Points Wine at a 32-bit prefix of our own; quiet, and no menu entries or
# .NET installer.
wine_use_prefix() {
  export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe=d"
}

# Makes $WINEPREFIX unless a complete one is there (about 15 s, no display needed).
wine_make_prefix() {
  local ready=$WINEPREFIX/.velmarind-ready
  [[ -f $ready ]] && return 0
  echo "Making the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  (
    unset DISPLAY # no dialogs on the user's screen while the prefix is made
    wineboot -i
    wineserver -w
    # Without a window manager, hiding a window otherwise waits 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    # No sound device: playing never blocks and never fails loudly.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d "" /f
    wineserver -w
  ) </dev/null >"$WINEPREFIX.log" 2>&1 || {
    echo "Making the Wine prefix failed (see $WINEPREFIX.log)" >&2
    return 1
  }
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$ready"
}

# Starts Xvfb (1280x1024) and sets DISPLAY and XVFB_PID. Xvfb takes the first
# free display number itself (-displayfd), so sessions starting at the same
# time never pick the same one.
xvfb_start() {
  local log=$1 number_file number="" i
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" </dev/null >"$log" 2>&1 &
  XVFB_PID=$!
  for ((i = 0; i < 100; i++)); do
    number=$(<"$number_file")
    [[ -n $number ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [[ -z $number ]]; then
    echo "Xvfb did not start (see $log)" >&2
    kill "$XVFB_PID" 2>/dev/null || true
    return 1
  fi
  export DISPLAY=:$number
}

xvfb_stop() {
  local pid=$1 i
  kill "$pid" 2>/dev/null || return 0
  for ((i = 0; i < 50; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
}

# Ends the session of this shell: the wineserver of $WINEPREFIX, with every
# program it runs, and the Xvfb that xvfb_start started, if any.
wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  [[ -z ${XVFB_PID:-} ]] || xvfb_stop "$XVFB_PID"
}
