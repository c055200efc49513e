#!/usr/bin/python3
# (Debian's own Python: the browser drivers come from its python3-selenium.)
"""Long texts in the page's input box, in a headless Chromium: 1 MB and
20 MB of digits, each pasted into the box and converted "Bin to Dec" (the
mode that shows an illegal input reversed in the output box, so the page
holds the text twice). Prints, for each, the time the paste and the OK
press took until the program was idle again, the peak resident memory of
the page's renderer process and the size of the program's own memory
against the text's size; never fails on them.

    systems/web/bench/web_long_text.py [PAGE]     (default: build/web/radixel.html)
Needs: tools/install-deps.sh web
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
import page_driver  # noqa: E402
from resource_ids import IDS  # noqa: E402

SIZES = (1_000_000, 20_000_000)
BOX = 'css:section.rx-window [data-id="%d"]'
IDC_INPUT, IDC_OUTPUT, IDC_BIN_TO_DEC, IDOK = (
    IDS[name] for name in ("IDC_INPUT", "IDC_OUTPUT", "IDC_BIN_TO_DEC", "IDOK"))


def renderer_peaks(root):
    """Peak resident memory (VmHWM, bytes) of each renderer process below process ROOT."""
    children, peaks = {}, {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
            children.setdefault(parent, []).append(int(pid))
        except (OSError, ValueError, IndexError):
            continue
    stack = [root]
    while stack:
        pid = stack.pop()
        stack.extend(children.get(pid, []))
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                # A renderer rewrites its command line into one string.
                if b"--type=renderer" not in f.read():
                    continue
            with open(f"/proc/{pid}/status") as f:
                for line in f:
                    if line.startswith("VmHWM:"):
                        peaks[pid] = int(line.split()[1]) * 1024
        except OSError:
            continue
    return peaks


def main(page_path):
    if not os.path.exists(page_path):
        raise SystemExit(f"web_long_text: {page_path} is missing (make web)")
    print(f"{page_path}: long texts pasted into the input box, converted Bin to Dec")
    for size in SIZES:
        # A fresh browser for each size, so that each peak is its own.
        page = page_driver.Page(page_path)
        try:
            page.open()
            page.click(BOX % IDC_BIN_TO_DEC)
            # One illegal digit first: the output is the input reversed. The
            # text is made in the page, as a paste puts it there at once.
            start = time.monotonic()
            page.script("var box = document.querySelector(arguments[0]);"
                        "box.value = '2' + '1'.repeat(arguments[1] - 1);"
                        "box.dispatchEvent(new InputEvent('input', {bubbles: true, inputType: 'insertFromPaste'}));",
                        BOX[4:] % IDC_INPUT, size)
            page.wait_idle(timeout=300)
            pasted = time.monotonic() - start
            start = time.monotonic()
            page.click(BOX % IDOK)
            page.wait_idle(timeout=300)
            converted = time.monotonic() - start
            right = page.script("var v = document.querySelector(arguments[0]).value;"
                                "return v.length === arguments[1] && v[v.length - 1] === '2';",
                                BOX[4:] % IDC_OUTPUT, size)
            module = page.script("return HEAPU8.length")
            peak = max(renderer_peaks(page.driver.service.process.pid).values(), default=0)
        finally:
            page.close()
        print(f"  {size / 1e6:4.0f} MB: paste {pasted * 1000:7.0f} ms, OK press {converted * 1000:7.0f} ms, "
              f"renderer peak {peak / 1e6:6.0f} MB ({peak / size:5.1f} x the text), program's memory "
              f"{module / 1e6:4.0f} MB ({module / size:4.1f} x), result "
              f"{'right' if right else 'WRONG'}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/web/radixel.html")
