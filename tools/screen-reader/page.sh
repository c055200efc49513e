# The page's part of the screen-reader check: Orca over build/web/radixel.html
# in Firefox ESR and Chromium, by keys alone. Sourced by
# tools/screen-reader-check.sh, which provides the private session and these
# helpers: start_orca NAME, stop_orca, forget, expect WHAT REGEX [SECONDS],
# key KEY..., chord KEY..., type_text TEXT, wait_for WHAT SECONDS COMMAND...,
# and the variables work (a scratch folder), pids (every process started,
# ended last first) and page.
#
#   check_page BROWSER   asserts on what Orca says over the page in BROWSER:
#                        firefox (Firefox ESR) or chromium

# The browser on a fresh profile that asks nothing on its first start and
# keeps its accessibility on; the page is its only tab.
start_browser() {
  if [[ $1 == chromium ]]; then
    local profile=$work/chromium
    # Chromium's sandbox refuses to run as root.
    chromium $([[ $(id -u) -ne 0 ]] || echo --no-sandbox) --user-data-dir="$profile" --no-first-run \
      --no-default-browser-check --force-renderer-accessibility --disable-gpu --ozone-platform=x11 \
      "file://$2" >"$work/chromium.out" 2>&1 &
    pids+=($!)
    browser_pid=$!
  else
    start_firefox "$2"
  fi
  wait_for "$1 window" 60 find_window
  xdotool windowfocus --sync "$browser_window" 2>/dev/null || xdotool windowfocus "$browser_window"
}

start_firefox() {
  local profile=$work/firefox
  mkdir -p "$profile"
  cat >"$profile/user.js" <<'EOF'
user_pref("accessibility.force_disabled", -1);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.startup.page", 0);
user_pref("browser.tabs.warnOnClose", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.auto", false);
user_pref("browser.sessionstore.resume_from_crash", false);
user_pref("browser.newtab.preload", false);
user_pref("datareporting.policy.firstRunURL", "");
EOF
  GNOME_ACCESSIBILITY=1 MOZ_ENABLE_WAYLAND=0 firefox-esr --no-remote --new-instance --profile "$profile" \
    "file://$1" >"$work/firefox.out" 2>&1 &
  pids+=($!)
  browser_pid=$!
}

# Replaces the text of the focused box, the caret at its end: Shift+Home
# selects it (Ctrl+A would have Orca read the whole document's selection).
replace_text() {
  chord shift Home
  type_text "$1"
}

# key_until WHAT REGEX KEY TIMES: presses KEY until Orca says something
# matching REGEX, at most TIMES times.
key_until() {
  local what=$1 pattern=$2 k=$3 times=$4 i
  for ((i = 0; i < times; i++)); do
    if tail -n +"$((mark + 1))" "$log" | grep -a "SPEECH OUTPUT:" | grep -qaiE -- "$pattern"; then break; fi
    key "$k"
    sleep 1
  done
  expect "$what" "$pattern" 15
}

find_window() {
  browser_window=$(xdotool search --onlyvisible --name "Radixel" 2>/dev/null | head -n 1)
  [[ -n $browser_window ]]
}

check_page() {
  local browser=$1
  echo "== the page in $browser ($page)"
  [[ -f $page ]] || { echo "screen-reader-check: $page is missing (make web)" >&2; exit 1; }
  # An Orca of its own per browser, with its own log: a log shared with
  # the Orca it replaces would take that one's last lines too.
  start_orca "page-$browser"
  forget
  start_browser "$browser" "$page"
  # Orca does not speak the focus a page gives as it loads: the first
  # Tab tells where it was.
  expect "the page" "Finished loading Radixel" 40
  sleep 3

  # To the input box (Tab: OK, Exit, Input; the first Tab may only bring
  # the focus into the page), a number, Enter: the result.
  forget
  key_until "the input box" "Input.*entry|Input.*text" Tab 4
  type_text "ff"
  forget
  key Return
  expect "the result after Enter" "Output 255\\."

  # An illegal character: the result, then the message, read as one.
  forget
  replace_text "fz"
  forget
  key Return
  expect "the result, then the message" "Output 240\\. Your entered an illegal char\\."

  # The conversions: Down chooses Hex to Bin, Enter converts in it.
  forget
  replace_text "ff"
  key Tab Tab
  expect "the checked conversion on Tab" "Hex to Dec"
  forget
  key Down
  expect "Down reaching the next conversion" "Hex to Bin"
  expect "Down choosing it" "OUTPUT: '(selected|checked) radio button"
  forget
  key Return
  expect "the result in the chosen conversion" "Output 11111111"

  # Each box reads its text as it opens: F10 (the menu bar's first item;
  # Orca 43 moves there without a word in Firefox), Enter.
  forget
  key F10
  sleep 1
  key Return
  expect "the notice box's text" "converts one number between hexadecimal"
  forget
  key Return
  key F10
  sleep 1
  # Orca 43 takes Right there for its own caret (it says "blank"), though
  # the page moves the focus to Help!.
  key Right
  sleep 1
  forget
  key Return
  expect "the Help box's text" "written to be a tool for programming"
  forget
  key Return

  # The version box, from the system menu (Alt+Space), its last entry.
  forget
  chord alt space
  key_until "the system menu's About entry" "About Radixel\\.\\.\\." Down 10
  key Return
  expect "the version box's text" "Radixel Version 1\\.0"
  forget
  key Return

  # Exit: the page says the dialog has ended.
  forget
  key_until "the Exit button" "Exit push button" Tab 7
  forget
  key Return
  expect "the end" "Radixel has ended"
  kill "$browser_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$browser_pid" 2>/dev/null || break; sleep 0.1; done
  stop_orca
}
