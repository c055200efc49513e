"""Agreement between front-ends: a few hundred mixed presses on one page
give byte for byte the records that `radixel-cli --batch` gives for the
same lines (the boxes carrying over from press to press on both).

    agreement.py RADIXEL_CLI PAGE
The presses run inside the page in one script, in whichever engine
RADIXEL_WEB_ENGINE names: each sets the input box's text as a paste does
and clicks the mode and OK. That covers every mode and input in seconds,
where one round trip of real input events per press took minutes; the
person-level cases type and click with real events.
Exit status 0 when they agree, 1 when not, 77 when the browser cannot start.
"""

import os
import random
import re
import subprocess
import sys

import page_driver
from resource_ids import IDS

PRESSES = 300
IDC_INPUT, IDC_OUTPUT, IDC_ERRORS, IDC_HEX_TO_DEC, IDOK = (
    IDS[name] for name in ("IDC_INPUT", "IDC_OUTPUT", "IDC_ERRORS", "IDC_HEX_TO_DEC", "IDOK"))

# Every press inside the page, each one waited out before the next: the
# boxes' texts after each.
PRESSES_IN_PAGE = """
var lines = arguments[0], records = [];
function box(id) { return document.querySelector('section.rx-window [data-id="' + id + '"]'); }
function idle() {
  return new Promise(function(done) {
    (function poll() { if (window.radixelPage.idle()) done(); else setTimeout(poll, 0); })();
  });
}
return lines.reduce(function(previous, line) {
  return previous.then(function() {
    var input = box(%d);
    input.value = line[1];
    input.dispatchEvent(new InputEvent('input', {bubbles: true, inputType: 'insertFromPaste'}));
    box(%d + line[0]).click();
    box(%d).click();
    return idle();
  }).then(function() {
    records.push([box(%d).value, box(%d).value, box(%d).value]);
  });
}, idle()).then(function() { return records; });
""" % (IDC_INPUT, IDC_HEX_TO_DEC, IDOK, IDC_INPUT, IDC_OUTPUT, IDC_ERRORS)


def inputs(rng):
    """Inputs of every kind the modes meet: in range, beyond it, and wrong."""
    def digits(alphabet, low, high):
        return "".join(rng.choice(alphabet) for _ in range(rng.randint(low, high)))
    kinds = [
        lambda: digits("0123456789ABCDEFabcdef", 1, 9),
        lambda: digits("0123456789", 1, 12),
        lambda: "-" + digits("0123456789", 1, 4),
        lambda: digits("01", 1, 12),
        lambda: digits("0123456789", 1, 3) + "." + digits("0123456789", 0, 2),
        lambda: digits("0123456789ABCDEFGXYZ gh-+.", 0, 10),
        lambda: rng.choice(["", " ", "FFFFFFFFFF", "5144012782842260637", "1e5", "0x1F", "\u00e9", "1\u00e92", "\u4e2d\u6587", "\U0001F6001"]),
    ]
    return rng.choice(kinds)()


def escaped(text):
    out = []
    for byte in text.encode("utf-8"):
        if byte == 0x5C:
            out.append("\\\\")
        elif byte in (0x09, 0x0A, 0x0D):
            out.append({0x09: "\\t", 0x0A: "\\n", 0x0D: "\\r"}[byte])
        elif byte < 0x20 or byte == 0x7F:
            out.append(f"\\x{byte:02X}")
        else:
            out.append(chr(byte) if byte < 0x80 else bytes([byte]).decode("latin-1"))
    # Non-ASCII bytes stay as they are: compare as UTF-8 again.
    return "".join(out).encode("latin-1").decode("utf-8", errors="surrogateescape")


def shortened(text):
    """TEXT as a Python literal, its middle left out when it is long."""
    return repr(text) if len(text) <= 120 else f"{text[:50]!r} ... {len(text) - 100} more ... {text[-50:]!r}"


def modes(cli):
    """The mode words radixel-cli's help lists, in radio-button order."""
    help_text = subprocess.run([cli, "--help"], capture_output=True, text=True, check=True).stdout
    return re.findall(r"^  ([a-z]+2[a-z]+)  [0-9]+  ", help_text, re.MULTILINE)


def main(cli, page_path):
    rng = random.Random(12)
    words = modes(cli)
    lines = [(rng.randrange(len(words)), inputs(rng)) for _ in range(PRESSES)]
    # One input of megabytes, far beyond what the page's memory holds at
    # first: it must grow, not end the page. WebKit's text fields hold at
    # most 524,288 characters and cut the rest, so there the input is as
    # long as its field holds.
    longest = 524_288 if os.environ.get("RADIXEL_WEB_ENGINE") == "webkitgtk" else 3_000_000
    lines[PRESSES // 2] = (words.index("bin2dec"), "1" * longest)
    # A NUL inside a text is a character like any other: the boxes keep
    # what follows it.
    lines[PRESSES // 2 + 1] = (words.index("bin2dec"), "1\x000\ufffd")
    batch = "".join(f"{mode}\t{text}\n" for mode, text in lines).encode("utf-8")
    run = subprocess.run([cli, "--batch"], input=batch, capture_output=True, timeout=60)
    expected = run.stdout.decode("utf-8", errors="surrogateescape").splitlines()
    if len(expected) != PRESSES:
        print(f"radixel-cli gave {len(expected)} records for {PRESSES} lines: {run.stderr!r}")
        return 1

    try:
        page = page_driver.Page(page_path)
    except page_driver.BrowserUnavailable as error:
        print(f"skipped: the browser cannot start here ({error})")
        return 77
    try:
        page.open()
        seen = page.script(PRESSES_IN_PAGE, [list(line) for line in lines])
        differences = 0
        for number, ((mode, text), want, boxes) in enumerate(zip(lines, expected, seen), 1):
            got = "\t".join(escaped(value) for value in boxes)
            if got != want:
                differences += 1
                if differences <= 10:
                    print(f"line {number} ({mode}\t{shortened(text)}):\n  radixel-cli {shortened(want)}\n"
                          f"  page        {shortened(got)}")
        print(f"{PRESSES} presses in {page.engine}, {differences} differences")
        return 1 if differences else 0
    finally:
        page.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
