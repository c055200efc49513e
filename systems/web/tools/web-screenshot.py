#!/usr/bin/python3
# (Debian's own Python: the browser drivers come from its python3-selenium.)
"""Screenshots of the page as a person sees it, in a headless Chromium:
converts one number with the keyboard, opens each box, and writes
  OUT/web-main.png      the dialog after the conversion
  OUT/web-sysmenu.png   the dialog with its system menu popped up
  OUT/web-notice.png    the menu bar's "About Radixel" box
  OUT/web-help.png      the menu bar's "Help!" box
  OUT/web-version.png   the system menu's "About Radixel..." box
  OUT/web-dark.png      the dialog after the conversion, in the dark scheme
  OUT/web-phone.png     the dialog on a phone's screen, 360 x 640 with touch
  OUT/web-phone-help.png  the "Help!" box there, in the dark scheme
Each picture is checked: no caption cut off, and more than a few colours.
With RADIXEL_WEB_ENGINE=firefox or webkitgtk, the same in that engine, but
for the phone's in WebKitGTK, whose window goes no narrower than 447 px.
The browser it starts is ended before it returns.

    systems/web/tools/web-screenshot.py [PAGE] [OUT]   (default: build/web/radixel.html docs/screenshots)
Needs: tools/install-deps.sh web screenshots (for ImageMagick's identify).
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
import page_driver  # noqa: E402
from resource_ids import IDS  # noqa: E402

def shoot(page, out, name):
    clipped = page.clipped()
    if clipped:
        raise SystemExit(f"web-screenshot: {name}: text cut off in {clipped}")
    path = os.path.join(out, name)
    # Two frames on: WebKitGTK's first picture after a start can be one behind.
    page.script("return new Promise(function(done) {"
                " requestAnimationFrame(function() { requestAnimationFrame(function() { done(true); }); }); });")
    png = page.browser.screenshot()
    with open(path, "wb") as f:
        f.write(png)
    colours = int(subprocess.run(["identify", "-format", "%k", path], capture_output=True, text=True,
                                 check=True).stdout)
    if colours < 16:
        raise SystemExit(f"web-screenshot: {path} has only {colours} colours: blank or unfinished")
    print(f"wrote {path} ({colours} colours)")


def converted(page):
    """The page afresh, with 1f4 converted from hexadecimal and the focus in the input box."""
    page.open()
    box = 'css:section.rx-window [data-id="%d"]'
    # The focus starts on OK; the input box takes the number and Enter converts.
    page.type(box % IDS["IDC_INPUT"], "1f4")
    page.key("Enter")
    page.focus(box % IDS["IDC_INPUT"])


def main(page_path, out):
    if not os.path.exists(page_path):
        raise SystemExit(f"web-screenshot: {page_path} is missing (make web)")
    os.makedirs(out, exist_ok=True)
    page = page_driver.Page(page_path)
    try:
        if page.chromium:
            page.driver.set_window_size(520, 400)
        page.screen(520, 400)
        converted(page)
        shoot(page, out, "web-main.png")

        page.click("css:section.rx-window .rx-client", "right")
        shoot(page, out, "web-sysmenu.png")
        page.key("Escape")

        for command, name in ((32771, "web-notice.png"), (57670, "web-help.png")):
            page.click(f'css:.rx-menubar [data-id="{command}"]')
            shoot(page, out, name)
            page.click('css:dialog[open] [data-id="1"]')

        page.key("AltSpace")
        page.click('css:.rx-sysmenu [data-id="16"]')
        shoot(page, out, "web-version.png")
        page.click('css:dialog[open] [data-id="1"]')

        page.screen(520, 400, dark=True)
        converted(page)
        shoot(page, out, "web-dark.png")

        if page.engine == "webkitgtk":
            return  # no phone's width, nor a coarse pointer
        page.screen(360, 640, touch=True)
        converted(page)
        shoot(page, out, "web-phone.png")
        page.screen(360, 640, touch=True, dark=True)
        converted(page)  # Firefox has started anew for the dark scheme
        page.click('css:.rx-menubar [data-id="57670"]')
        shoot(page, out, "web-phone-help.png")
    finally:
        page.close()


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/web/radixel.html",
         sys.argv[2] if len(sys.argv) > 2 else "docs/screenshots")
