#!/usr/bin/python3
# (Debian's own Python: the browser drivers come from its python3-selenium.)
"""Time from navigation until the page's dialog is painted and takes typing,
in a headless Chromium, against a peer measured in the same run: the same
page as a static copy, with the dialog's controls and style as the program
builds them and no script at all.

The two pages are loaded afresh from disk in turn, RUNS times each (default
20), so that a slow moment of the machine falls on both alike. "Ready" is
when the dialog is on the page with the focus in it (for the static copy,
its load), "painted" the end of the first frame after that. Prints the
page's size, the medians and slowest times and their ratio; never fails on
them.

    systems/web/bench/web_startup.py [PAGE] [RUNS]     (default: build/web/radixel.html 20)
Needs: tools/install-deps.sh web
"""

import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
import page_driver  # noqa: E402

# Run in every page before its own script: notes when the page says it is
# ready (the radixel page sets data-ready; the static copy is ready when
# loaded) and when the frame after that has been painted.
PROBE = """
(function() {
  function painted() {
    window.benchReadyAt = window.radixelReadyAt || performance.now();
    requestAnimationFrame(function() { setTimeout(function() { window.benchPaintedAt = performance.now(); }); });
  }
  new MutationObserver(function(changes, observer) {
    if (document.documentElement.dataset.ready === '1' && document.documentElement.dataset.floor === undefined) {
      observer.disconnect();
      painted();
    }
  }).observe(document, {attributes: true, subtree: true, attributeFilter: ['data-ready']});
  window.addEventListener('load', function() {
    if (document.documentElement.dataset.floor !== undefined) painted();
  });
})();
"""

# The dialog as the program has built it, without any script and without
# the page's security policy (whose hashes name the script).
STATIC_COPY = """
var copy = document.documentElement.cloneNode(true);
copy.querySelectorAll('script, meta[http-equiv]').forEach(function(e) { e.remove(); });
copy.setAttribute('data-floor', '');
return '<!doctype html>' + copy.outerHTML;
"""


def load(page, url):
    page.driver.get("about:blank")
    page.driver.get(url)
    until = time.monotonic() + 10
    while page.script("return window.benchPaintedAt === undefined"):
        if time.monotonic() > until:
            raise SystemExit(f"web_startup: {url} never became ready")
        time.sleep(0.002)
    return page.script("return [window.benchReadyAt, window.benchPaintedAt]")


def main(page_path, runs):
    if not os.path.exists(page_path):
        raise SystemExit(f"web_startup: {page_path} is missing (make web)")
    with tempfile.TemporaryDirectory() as work:
        page = page_driver.Page(page_path)
        try:
            page.open()
            static_path = os.path.join(work, "static.html")
            with open(static_path, "w", encoding="utf-8") as f:
                f.write(page.script(STATIC_COPY))
            page.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
            urls = {"page": "file://" + os.path.abspath(page_path), "static": "file://" + static_path}
            for url in urls.values():  # one load of each first: both start from a warm browser
                load(page, url)
            seen = {name: [] for name in urls}
            for _ in range(runs):
                for name, url in urls.items():
                    seen[name].append(load(page, url))
        finally:
            page.close()
    size = os.path.getsize(page_path)
    print(f"{page_path}: {size} bytes ({size / 1024:.1f} KiB), {runs} navigations of each page, interleaved")
    rows = (("dialog ready to type into", [r for r, _ in seen["page"]]),
            ("dialog painted", [p for _, p in seen["page"]]),
            ("static copy painted", [p for _, p in seen["static"]]))
    for name, values in rows:
        print(f"  {name:27} median {statistics.median(values):6.1f} ms   slowest {max(values):6.1f} ms")
    ratio = statistics.median(rows[1][1]) / statistics.median(rows[2][1])
    print(f"  painted, page / static copy: {ratio:.2f} (medians; budget 1.5 or less)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/web/radixel.html",
         int(sys.argv[2]) if len(sys.argv) > 2 else 20)
