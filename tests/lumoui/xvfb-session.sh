# Sourced by the galleries' screenshot scripts: starts Xvfb (1400 × 820) and
# openbox on a free-looking display :BASE+0..8, exports DISPLAY for SDL's X11
# driver and stops both when the script exits. Usage: xvfb_session BASE
xvfb_session() {
  display=:$(($1 + $$ % 9))
  export DISPLAY=$display SDL_VIDEODRIVER=x11
  Xvfb "$display" -screen 0 1400x820x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  openbox=
  trap 'kill $openbox $xvfb 2>/dev/null || true' EXIT
  sleep 1
  openbox >/dev/null 2>&1 &
  openbox=$!
  sleep 1
}
