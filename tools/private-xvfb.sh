# Sourced by the scripts that need an X server of their own:
#   start_private_xvfb WxHxDEPTH
# starts Xvfb on a display number it picks itself (-displayfd), in a
# session of its own so that it outlives nothing it should not and holds
# none of the caller's pipes; exports DISPLAY and sets XVFB_PID.
start_private_xvfb() {
  local geometry=$1 numberfile number
  numberfile=$(mktemp)
  setsid Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp \
    3>"$numberfile" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 200); do [[ -s $numberfile ]] && break; sleep 0.05; done
  number=$(cat "$numberfile")
  rm -f "$numberfile"
  [[ -n $number ]] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$number"
}
