"""The page in a real headless Chromium, worked as a person works it.

Controls are found either through the DOM ("css:SELECTOR") or through
Chromium's accessibility tree alone ("ax:ROLE:NAME", from the DevTools
protocol's Accessibility.getFullAXTree); either way a person's input goes to
them as real mouse and key events, and after each input the driver waits
until the program has handled it.

Run as a program, it serves one command per line on standard input and
answers one line each (fields separated by tabs), for the C++ test driver:
  open | click TARGET | rightclick TARGET | type TARGET TEXT | key NAME |
  focus TARGET | value TARGET | checked TARGET | focused MODE |
  list MODE CONTAINER | box MODE | clipped | ended MODE | quit
Answers start with "ok" or "error"; a browser that cannot start is
reported as "nobrowser REASON" in answer to the first command.
"""

import atexit
import os
import shutil
import signal
import sys
import tempfile
import time

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--window-size=800,600",
]


VIOLATIONS = """
window.radixelViolations = [];
document.addEventListener('securitypolicyviolation', function(e) {
  window.radixelViolations.push(e.violatedDirective + ' ' + (e.blockedURI || 'inline'));
});
"""


class BrowserUnavailable(Exception):
    pass


def find_browser():
    for name in ("chromium", "chromium-browser"):
        path = shutil.which(name)
        if path:
            return path
    raise FileNotFoundError("no chromium on the PATH")


class Page:
    def __init__(self, page_path):
        # Missing pieces are a set-up fault (tools/install-deps.sh web), not a
        # reason to skip.
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        chromedriver = shutil.which("chromedriver")
        if not chromedriver:
            raise FileNotFoundError("no chromedriver on the PATH")
        self.profile = tempfile.mkdtemp(prefix="radixel-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = find_browser()
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        try:
            self.driver = webdriver.Chrome(service=Service(executable_path=chromedriver), options=options)
        except Exception as error:  # the browser itself could not start
            shutil.rmtree(self.profile, ignore_errors=True)
            raise BrowserUnavailable(str(error).splitlines()[0] if str(error) else type(error).__name__)
        self.url = "file://" + os.path.abspath(page_path)
        self.touch = False
        # Every breach of the page's security policy is noted, from the
        # first line of the page on; open() fails on any.
        self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": VIOLATIONS})

    def close(self):
        if self.driver is not None:
            self.driver.quit()  # ends chromedriver and the browser it started
            self.driver = None
            shutil.rmtree(self.profile, ignore_errors=True)

    # --- Plumbing -------------------------------------------------------------
    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def script(self, source, *args):
        return self.driver.execute_script(source, *args)

    def wait_idle(self, timeout=5.0):
        """Waits until every input so far has been handled by the program."""
        until = time.monotonic() + timeout
        while time.monotonic() < until:
            if self.script("return !!(window.radixelPage && window.radixelPage.idle())"):
                return
            time.sleep(0.002)
        raise TimeoutError("the page did not become idle")

    def screen(self, width, height, touch=False, dark=False):
        """Emulates a screen WIDTH x HEIGHT CSS px (a phone's, with a touch
        screen as its only pointer, when TOUCH) and the light or dark scheme.
        On a touch screen a click is a tap."""
        self.touch = touch
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": touch})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5 if touch else 1})
        self.cdp("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "dark" if dark else "light"},
            {"name": "pointer", "value": "coarse" if touch else "fine"},
            {"name": "any-pointer", "value": "coarse" if touch else "fine"}]})

    def open(self):
        self.driver.get(self.url)
        until = time.monotonic() + 10
        while not self.script("return document.documentElement.dataset.ready === '1'"):
            if time.monotonic() > until:
                raise TimeoutError("the dialog did not appear")
            time.sleep(0.005)
        self.wait_idle()
        violations = self.script("return window.radixelViolations")
        if violations:
            raise RuntimeError(f"the page broke its security policy: {violations}")

    def ax_nodes(self):
        nodes = self.cdp("Accessibility.getFullAXTree")["nodes"]
        return [n for n in nodes if not n.get("ignored")]

    @staticmethod
    def ax(node, field):
        return (node.get(field) or {}).get("value", "")

    @staticmethod
    def ax_property(node, name):
        for p in node.get("properties", []):
            if p["name"] == name:
                return p["value"].get("value")
        return None

    def node(self, target):
        """The backend node id of TARGET, found through the DOM or the accessibility tree."""
        kind, _, rest = target.partition(":")
        if kind == "css":
            document = self.cdp("DOM.getDocument", {"depth": 0})["root"]["nodeId"]
            found = self.cdp("DOM.querySelector", {"nodeId": document, "selector": rest})["nodeId"]
            if not found:
                raise LookupError(f"nothing matches {rest}")
            return self.cdp("DOM.describeNode", {"nodeId": found})["node"]["backendNodeId"]
        role, _, name = rest.partition(":")
        nodes = self.ax_nodes()
        if kind == "axbox":
            nodes = self.modal_box(nodes)
        for n in nodes:
            if self.ax(n, "role") == role and self.ax(n, "name") == name and "backendDOMNodeId" in n:
                return n["backendDOMNodeId"]
        raise LookupError(f"no {role} named {name!r} in the accessibility tree")

    def subtree(self, nodes, found):
        """The first node for which FOUND holds and everything inside it, in tree order."""
        by_id = {n["nodeId"]: n for n in nodes}
        for n in nodes:
            if found(n):
                inside, stack = [], [n["nodeId"]]
                while stack:
                    node = by_id.get(stack.pop(0))
                    if node is not None:
                        inside.append(node)
                        stack.extend(node.get("childIds", []))
                return inside
        return []

    def modal_box(self, nodes):
        return self.subtree(nodes, lambda n: self.ax(n, "role") == "dialog" and self.ax_property(n, "modal"))

    # --- What a person does ---------------------------------------------------
    def click(self, target, button="left"):
        node = self.node(target)
        self.cdp("DOM.scrollIntoViewIfNeeded", {"backendNodeId": node})
        quad = self.cdp("DOM.getBoxModel", {"backendNodeId": node})["model"]["border"]
        # A little inside the top-left corner: on a control that is the
        # control, on the dialog's client area it is free space.
        x, y = (quad[0] + 3, quad[1] + 3) if button == "right" else ((quad[0] + quad[4]) / 2, (quad[1] + quad[5]) / 2)
        if self.touch and button == "left":
            self.cdp("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
            self.cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
            self.wait_idle()
            return
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": button, "clickCount": 1})
        self.wait_idle()

    def key(self, name):
        keys = {
            "Enter": {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, "text": "\r"},
            "Escape": {"key": "Escape", "code": "Escape", "windowsVirtualKeyCode": 27},
            "Tab": {"key": "Tab", "code": "Tab", "windowsVirtualKeyCode": 9},
            "ArrowUp": {"key": "ArrowUp", "code": "ArrowUp", "windowsVirtualKeyCode": 38},
            "ArrowDown": {"key": "ArrowDown", "code": "ArrowDown", "windowsVirtualKeyCode": 40},
            "AltSpace": {"key": " ", "code": "Space", "windowsVirtualKeyCode": 32, "modifiers": 1},
        }[name]
        down = dict(keys, type="keyDown" if "text" in keys else "rawKeyDown")
        up = {k: v for k, v in keys.items() if k != "text"}
        self.cdp("Input.dispatchKeyEvent", down)
        self.cdp("Input.dispatchKeyEvent", dict(up, type="keyUp"))
        self.wait_idle()

    def focus(self, target):
        self.cdp("DOM.focus", {"backendNodeId": self.node(target)})
        self.wait_idle()

    def type(self, target, text):
        """Replaces the box's text as typing does: select all, then type."""
        self.focus(target)
        self.cdp("Input.dispatchKeyEvent", {"type": "rawKeyDown", "key": "a", "code": "KeyA",
                                            "windowsVirtualKeyCode": 65, "modifiers": 2,
                                            "commands": ["selectAll"]})
        self.cdp("Input.dispatchKeyEvent", {"type": "keyUp", "key": "a", "code": "KeyA", "modifiers": 2})
        if text:
            self.cdp("Input.insertText", {"text": text})
        else:
            self.cdp("Input.dispatchKeyEvent", {"type": "rawKeyDown", "key": "Backspace", "code": "Backspace",
                                                "windowsVirtualKeyCode": 8})
            self.cdp("Input.dispatchKeyEvent", {"type": "keyUp", "key": "Backspace", "code": "Backspace"})
        self.wait_idle()

    # --- What a person sees ---------------------------------------------------
    def value(self, target):
        kind, _, rest = target.partition(":")
        if kind == "css":
            return self.script("var e = document.querySelector(arguments[0]);"
                               "return e.value !== undefined ? e.value : e.textContent;", rest)
        role, _, name = rest.partition(":")
        for n in self.ax_nodes():
            if self.ax(n, "role") == role and self.ax(n, "name") == name:
                return self.ax(n, "value")
        raise LookupError(f"no {role} named {name!r}")

    def changes(self, control_id):
        """The change notifications the page has sent the program for a box."""
        self.wait_idle()
        return self.script("return window.radixelPage.changes(arguments[0])", control_id)

    def checked(self, target):
        kind, _, rest = target.partition(":")
        if kind == "css":
            return bool(self.script("return document.querySelector(arguments[0]).checked", rest))
        role, _, name = rest.partition(":")
        for n in self.ax_nodes():
            if self.ax(n, "role") == role and self.ax(n, "name") == name:
                return self.ax_property(n, "checked") == "true"
        raise LookupError(f"no {role} named {name!r}")

    def focused(self, mode):
        if mode == "css":
            return [self.script("var e = document.activeElement; return e && e.dataset.id || '';")]
        focused = [n for n in self.ax_nodes()
                   if self.ax_property(n, "focused") and self.ax(n, "role") != "RootWebArea"]
        return [self.ax(focused[-1], "role"), self.ax(focused[-1], "name")] if focused else []

    def listing(self, mode, container):
        """The items of a menu or menu bar: [id or role, text] each."""
        if mode == "css":
            # The text as shown: an underlined letter is the mnemonic ("&"),
            # an accelerator stands after a tab.
            return self.script(
                "function shown(e) { return Array.from(e.childNodes).map(function(n) {"
                "  if (n.nodeType === 3) return n.textContent;"
                "  if (n.tagName === 'U') return '&' + n.textContent;"
                "  return (n.className === 'rx-accelerator' ? '\\t' : '') + shown(n); }).join(''); }"
                "return Array.from(document.querySelectorAll(arguments[0] + ' > *')).map(function(e) {"
                "  return [e.dataset.id || '0', shown(e)]; });",
                container)
        nodes = self.ax_nodes()
        by_id = {n["nodeId"]: n for n in nodes}
        for n in nodes:
            if self.ax(n, "role") == container:
                return [[self.ax(by_id[c], "role"), self.ax(by_id[c], "name")]
                        for c in n.get("childIds", []) if c in by_id]
        return []

    def box(self, mode):
        """The modal box on the page: its template and caption, or its caption and texts."""
        if mode == "css":
            return self.script(
                "var d = document.querySelector('dialog[open]');"
                "return d ? [d.dataset.template, d.querySelector('.rx-title').textContent] : [];")
        inside = self.modal_box(self.ax_nodes())
        if not inside:
            return []
        return [self.ax(inside[0], "name")] + [self.ax(n, "name") for n in inside if self.ax(n, "role") == "StaticText"]

    def clipped(self):
        """The texts on the page that do not show whole in their controls:
        those whose text reaches past the control's inner edges (a touch
        screen's wider tap bands lie outside the text and do not count)."""
        return self.script(
            "return Array.from(document.querySelectorAll('.rx-window .rx-control, .rx-sysmenu .rx-menuitem'))"
            "  .filter(function(e) { if (!e.offsetParent || e.matches('input, img, fieldset')) return false;"
            "    var range = document.createRange(); range.selectNodeContents(e);"
            "    var text = range.getBoundingClientRect(), box = e.getBoundingClientRect();"
            "    var scale = box.width / e.offsetWidth;"
            "    var left = box.left + e.clientLeft * scale, top = box.top + e.clientTop * scale;"
            "    return text.left < left - 0.5 || text.top < top - 0.5"
            "      || text.right > left + e.clientWidth * scale + 0.5 || text.bottom > top + e.clientHeight * scale + 0.5; })"
            "  .map(function(e) { return e.textContent; });")

    def ended(self, mode):
        """Whether the page says the dialog has ended, and the result it ended with."""
        if mode == "css":
            shown = self.script("return !!document.querySelector('.rx-ended')")
        else:
            status = self.subtree(self.ax_nodes(), lambda n: self.ax(n, "role") == "status")
            shown = any("has ended" in self.ax(n, "name") for n in status if self.ax(n, "role") == "StaticText")
        if not shown:
            return ["0"]
        return ["1", self.script("return document.documentElement.dataset.result || ''")]


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def serve(page_path):
    page = None
    failure = None
    try:
        page = Page(page_path)
    except BrowserUnavailable as error:
        failure = ("nobrowser", str(error))
    except Exception as error:  # a missing piece of the set-up, not the browser
        failure = ("error", f"{type(error).__name__}: {error}")

    def finish(*_):
        if page is not None:
            page.close()
        sys.exit(0)

    atexit.register(lambda: page and page.close())
    signal.signal(signal.SIGTERM, finish)

    def answer(*fields):
        sys.stdout.write("\t".join(escape(str(f)) for f in fields) + "\n")
        sys.stdout.flush()

    for line in sys.stdin:
        words = [unescape(w) for w in line.rstrip("\n").split("\t")]
        command, args = words[0], words[1:]
        if command == "quit":
            break
        if failure is not None:
            answer(*failure)
            continue
        try:
            if command == "open":
                page.open()
                answer("ok")
            elif command == "click":
                page.click(args[0])
                answer("ok")
            elif command == "rightclick":
                page.click(args[0], "right")
                answer("ok")
            elif command == "type":
                page.type(args[0], args[1])
                answer("ok")
            elif command == "key":
                page.key(args[0])
                answer("ok")
            elif command == "focus":
                page.focus(args[0])
                answer("ok")
            elif command == "value":
                answer("ok", page.value(args[0]))
            elif command == "checked":
                answer("ok", "1" if page.checked(args[0]) else "0")
            elif command == "changes":
                answer("ok", page.changes(int(args[0])))
            elif command == "focused":
                answer("ok", *page.focused(args[0]))
            elif command == "list":
                answer("ok", *[f"{a}\x1f{b}" for a, b in page.listing(args[0], args[1])])
            elif command == "box":
                answer("ok", *page.box(args[0]))
            elif command == "clipped":
                answer("ok", *page.clipped())
            elif command == "ended":
                answer("ok", *page.ended(args[0]))
            else:
                answer("error", f"unknown command {command}")
        except Exception as error:  # reported to the test, which fails the case
            answer("error", f"{type(error).__name__}: {error}")
    finish()


if __name__ == "__main__":
    serve(sys.argv[1])
