#!/usr/bin/env python3
"""Time from navigation until the page's dialog is painted and takes typing,
in a headless Chromium, against a floor measured in the same run: a page
with one paragraph and no script of its own, timed the same way.

For each of RUNS navigations (default 20) the page is loaded afresh from
disk; "ready" is when the dialog is on the page with the focus in it,
"painted" the end of the first frame after that. Prints the page's size and
the median and slowest times; never fails on them.

    bench/web_startup.py [PAGE] [RUNS]     (default: build/web/radixel.html 20)
Needs: tools/install-deps.sh web
"""

import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "systems", "web", "tests"))
import page_driver  # noqa: E402

# Run in every page before its own script: notes when the page says it is
# ready (the radixel page sets data-ready; the floor page is ready when
# loaded) and when the frame after that has been painted.
PROBE = """
(function() {
  function painted() {
    window.benchReadyAt = window.radixelReadyAt || performance.now();
    requestAnimationFrame(function() { setTimeout(function() { window.benchPaintedAt = performance.now(); }); });
  }
  new MutationObserver(function(changes, observer) {
    if (document.documentElement.dataset.ready === '1') { observer.disconnect(); painted(); }
  }).observe(document, {attributes: true, subtree: true, attributeFilter: ['data-ready']});
  window.addEventListener('load', function() {
    if (document.documentElement.dataset.floor !== undefined) painted();
  });
})();
"""

FLOOR = "<!doctype html><html lang=en data-floor><title>floor</title><p>Radixel</p></html>"


def times(page, url, runs):
    ready, painted = [], []
    for _ in range(runs):
        page.driver.get("about:blank")
        page.driver.get(url)
        until = time.monotonic() + 10
        while page.script("return window.benchPaintedAt === undefined"):
            if time.monotonic() > until:
                raise SystemExit(f"web_startup: {url} never became ready")
            time.sleep(0.005)
        ready.append(page.script("return window.benchReadyAt"))
        painted.append(page.script("return window.benchPaintedAt"))
    return ready, painted


def main(page_path, runs):
    if not os.path.exists(page_path):
        raise SystemExit(f"web_startup: {page_path} is missing (make web)")
    with tempfile.TemporaryDirectory() as work:
        floor_path = os.path.join(work, "floor.html")
        with open(floor_path, "w") as f:
            f.write(FLOOR)
        page = page_driver.Page(page_path)
        try:
            page.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
            # One load of each first, so that both start from a warm browser.
            times(page, "file://" + os.path.abspath(page_path), 1)
            times(page, "file://" + floor_path, 1)
            ready, painted = times(page, "file://" + os.path.abspath(page_path), runs)
            _, floor = times(page, "file://" + floor_path, runs)
        finally:
            page.close()
    size = os.path.getsize(page_path)
    print(f"{page_path}: {size} bytes ({size / 1024:.0f} KiB), {runs} navigations each")
    for name, values in (("dialog ready to type into", ready), ("dialog painted", painted),
                         ("floor page painted", floor)):
        print(f"  {name:27} median {statistics.median(values):6.1f} ms   slowest {max(values):6.1f} ms")
    print(f"  over the floor: {statistics.median(painted) - statistics.median(floor):.1f} ms (medians)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/web/radixel.html",
         int(sys.argv[2]) if len(sys.argv) > 2 else 20)
