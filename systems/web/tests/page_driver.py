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
  list MODE CONTAINER | box MODE | said MODE | clipped | ended MODE |
  screen WIDTH HEIGHT touch|mouse light|dark|forced | outside | targets | axe | save | quit
Answers start with "ok" or "error"; a browser that cannot start is
reported as "nobrowser REASON" in answer to the first command.
"""

import atexit
import os
import signal
import sys
import tempfile
import time

import browsers
from browsers import BrowserUnavailable  # noqa: F401 (the page's users catch it from here)

VIOLATIONS = """
window.radixelViolations = [];
document.addEventListener('securitypolicyviolation', function(e) {
  window.radixelViolations.push(e.violatedDirective + ' ' + (e.blockedURI || 'inline'));
});
"""


class Page:
    def __init__(self, page_path, engine=None):
        self.browser = browsers.start(engine)
        self.engine = self.browser.name
        self.driver = getattr(self.browser, "driver", None)
        self.url = "file://" + os.path.abspath(page_path)
        self.touch = False
        self.dark = False
        self.forced = False
        self.width = 800
        # Every breach of the page's security policy is noted, from the
        # first line of the page on, where the engine lets a script run
        # that early (not WebKitGTK's driver); open() fails on any.
        self.watches_policy = self.browser.preload(VIOLATIONS)

    def close(self):
        if self.browser is not None:
            self.browser.close()
            self.browser = None
            self.driver = None

    # --- Plumbing -------------------------------------------------------------
    def cdp(self, command, params=None):
        return self.browser.cdp(command, params)

    def script(self, source, *args):
        return self.browser.script(source, *args)

    @property
    def chromium(self):
        return self.engine == "chromium"

    def wait_idle(self, timeout=5.0):
        """Waits until every input so far has been handled by the program."""
        until = time.monotonic() + timeout
        while time.monotonic() < until:
            if self.script("return !!(window.radixelPage && window.radixelPage.idle())"):
                return
            time.sleep(0.002)
        raise TimeoutError("the page did not become idle")

    def screen(self, width, height, touch=False, dark=False, forced=False):
        """Emulates a screen WIDTH x HEIGHT CSS px (a phone's, with a touch
        screen as its only pointer, when TOUCH) and the light or dark scheme,
        or, in Chromium alone, forced colours (a high-contrast theme).
        In Chromium a click on a touch screen is a tap. Firefox and WebKitGTK
        are started anew for another scheme or pointer, and their viewport is
        resized; a click there stays a mouse click. open() checks that the
        page sees the screen asked for."""
        self.width = width
        if forced and not self.chromium:
            raise LookupError(f"only Chromium emulates forced colours, not {self.engine}")
        self.forced = forced
        if not self.chromium:
            if (touch, dark) != (self.touch, self.dark):
                self.browser.close()
                self.browser = browsers.start(self.engine, dark=dark, coarse=touch)
                self.driver = getattr(self.browser, "driver", None)
                self.watches_policy = self.browser.preload(VIOLATIONS)
                self.touch, self.dark = touch, dark
            self.browser.resize(width, height)
            return
        self.touch, self.dark = touch, dark
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": touch})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5 if touch else 1})
        self.cdp("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "dark" if dark else "light"},
            {"name": "forced-colors", "value": "active" if forced else "none"},
            {"name": "pointer", "value": "coarse" if touch else "fine"},
            {"name": "any-pointer", "value": "coarse" if touch else "fine"}]})

    def open(self, url=None):
        self.browser.goto(url or self.url)
        until = time.monotonic() + 10
        while not self.script("return document.documentElement.dataset.ready === '1'"):
            if time.monotonic() > until:
                raise TimeoutError("the dialog did not appear")
            time.sleep(0.005)
        self.wait_idle()
        violations = self.script("return window.radixelViolations") if self.watches_policy else None
        if violations:
            raise RuntimeError(f"the page broke its security policy: {violations}")
        seen = self.script("return [window.innerWidth, matchMedia('(prefers-color-scheme: dark)').matches,"
                           " matchMedia('(pointer: coarse)').matches, matchMedia('(forced-colors: active)').matches]")
        if seen != [self.width, self.dark, self.touch, self.forced]:
            raise RuntimeError(f"{self.engine} shows the page on another screen than asked for: width, dark, "
                               f"coarse pointer, forced colours {seen}, "
                               f"not {[self.width, self.dark, self.touch, self.forced]}")

    @staticmethod
    def css(target):
        kind, _, rest = target.partition(":")
        if kind != "css":
            raise LookupError(f"{target}: only Chromium finds controls through the accessibility tree")
        return rest

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
        if not self.chromium:
            rect = self.script("var e = document.querySelector(arguments[0]); e.scrollIntoView({block: 'nearest'});"
                               "var r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom];",
                               self.css(target))
            x, y = (rect[0] + 3, rect[1] + 3) if button == "right" else ((rect[0] + rect[2]) / 2, (rect[1] + rect[3]) / 2)
            self.browser.pointer(x, y, button)
            self.wait_idle()
            return
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
        if not self.chromium:
            self.browser.press(name)
            self.wait_idle()
            return
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
        if not self.chromium:
            self.script("document.querySelector(arguments[0]).focus()", self.css(target))
            self.wait_idle()
            return
        self.cdp("DOM.focus", {"backendNodeId": self.node(target)})
        self.wait_idle()

    def type(self, target, text):
        """Replaces the box's text as typing does: select all, then type."""
        self.focus(target)
        if not self.chromium:
            self.script("document.activeElement.select()")
            if text:
                self.browser.insert(text)
            else:
                self.browser.press("Backspace")
            self.wait_idle()
            return
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

    def said(self, mode):
        """The texts in the page's polite live region, what a screen reader
        was last told there, one a span, once nothing waits to go into it."""
        self.wait_idle()
        until = time.monotonic() + 5
        while not self.script("return window.radixelPage.told()"):
            if time.monotonic() > until:
                raise TimeoutError("the live region was not filled")
            time.sleep(0.005)
        if mode == "css":
            return self.script("return Array.from(document.querySelectorAll('.rx-unseen[aria-live=polite] span'))"
                               "  .map(function(e) { return e.textContent; });")
        nodes = self.ax_nodes()
        region = self.subtree(nodes, lambda n: self.ax_property(n, "live") == "polite"
                              and self.ax(n, "role") != "status")
        if not region:
            raise LookupError("no polite live region in the accessibility tree")
        return [self.ax(n, "name") for n in region
                if self.ax(n, "role") == "StaticText" and self.ax(n, "name").strip()]

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

    def outside(self):
        """What a person cannot see whole on the screen: the page's controls
        (and the open box's) that reach past the viewport, and a page wider
        than the viewport."""
        return self.script(
            "var width = document.documentElement.clientWidth, height = window.innerHeight;"
            "var out = Array.from(document.querySelectorAll('section.rx-window .rx-control, dialog[open] .rx-control,"
            "    .rx-caption-button, .rx-menubar-item'))"
            "  .filter(function(e) { if (!e.offsetParent && e.tagName !== 'INPUT') return false;"
            "    var r = e.getBoundingClientRect();"
            "    return r.width > 0 && (r.left < 0 || r.top < 0 || r.right > width || r.bottom > height); })"
            "  .map(function(e) { return e.textContent || e.dataset.id || e.tagName; });"
            "var scroll = document.documentElement.scrollWidth;"
            "if (scroll !== width) out.push('page ' + scroll + ' px wide in a viewport of ' + width);"
            "return out;")

    def small_targets(self):
        """The buttons and radio buttons of the dialog on the page that a
        finger cannot hit with a target of 24 x 24 CSS px: those where some
        point of the 24 px square around the control's centre (22 px: hit
        testing rounds to whole pixels) finds another element than the
        control (a radio button's label and tap band count as the button)."""
        return self.script(
            "return Array.from(document.querySelectorAll('section.rx-window button, section.rx-window input[type=radio]'))"
            "  .filter(function(e) {"
            "    var control = e.closest('.rx-control') || e, r = control.getBoundingClientRect();"
            "    var x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;"
            "    for (var dx = -11; dx <= 11; dx += 11) for (var dy = -11; dy <= 11; dy += 11) {"
            "      var hit = document.elementFromPoint(x + dx, y + dy);"
            "      if (!hit || (hit !== e && (hit.closest('.rx-control') || hit) !== control)) return true;"
            "    }"
            "    return false; })"
            "  .map(function(e) { return (e.textContent || e.labels[0].textContent) + ' '"
            "    + Math.round((e.closest('.rx-control') || e).getBoundingClientRect().height) + ' px tall'; });")

    def open_saved_copy(self):
        """Saves the page as the browser's "save page as" (complete) does,
        its live DOM serialised, and opens that copy (failing on any breach
        of its security policy). The number of dialogs on the copy."""
        html = self.script("return '<!DOCTYPE html>\\n' + document.documentElement.outerHTML;")
        with tempfile.TemporaryDirectory(prefix="radixel-saved-") as folder:
            path = os.path.join(folder, "radixel.html")
            with open(path, "w", encoding="utf-8") as f:
                f.write(html)
            self.open("file://" + path)
        return self.script("return document.querySelectorAll('.rx-window').length")

    def axe(self):
        """What axe-core finds against WCAG 2.2 AA and its best practices on
        the page as it is now: one "RULE: ELEMENT" line per finding."""
        if not self.script("return typeof axe !== 'undefined'"):
            with open(os.path.join(browsers.NODE_MODULES, "axe-core", "axe.min.js"), encoding="utf-8") as f:
                self.script(f.read() + "\nreturn true;")
        return self.script(
            "return axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa',"
            "    'wcag22aa', 'best-practice']}}).then(function(result) {"
            "  return [].concat.apply([], result.violations.map(function(v) {"
            "    return v.nodes.map(function(n) { return v.id + ': ' + n.target.join(' '); }); })); });")

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
            elif command == "said":
                answer("ok", *page.said(args[0]))
            elif command == "clipped":
                answer("ok", *page.clipped())
            elif command == "screen":
                page.screen(int(args[0]), int(args[1]), touch=args[2] == "touch", dark=args[3] == "dark",
                            forced=args[3] == "forced")
                answer("ok")
            elif command == "axe":
                answer("ok", *page.axe())
            elif command == "save":
                answer("ok", page.open_saved_copy())
            elif command == "targets":
                answer("ok", *page.small_targets())
            elif command == "outside":
                answer("ok", *page.outside())
            elif command == "ended":
                answer("ok", *page.ended(args[0]))
            else:
                answer("error", f"unknown command {command}")
        except Exception as error:  # reported to the test, which fails the case
            answer("error", f"{type(error).__name__}: {error}")
    finish()


if __name__ == "__main__":
    serve(sys.argv[1])
