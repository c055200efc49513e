"""The three browser engines the page is tested in, each started from what
the machine has installed and worked the same way: run a script in the
page, load a URL, click at a point, press a key, insert text.

  chromium   Chromium through chromedriver (Selenium), and the DevTools
             protocol for real input events and the accessibility tree
  firefox    Firefox ESR through puppeteer-core over WebDriver BiDi
             (firefox_bridge.js, under Node, from build/web-node)
  webkitgtk  WebKitGTK's MiniBrowser through WebKitWebDriver (Selenium), on
             a private Xvfb started and ended here

RADIXEL_WEB_ENGINE picks one (chromium by default). Firefox and WebKitGTK
take the dark scheme (and Firefox a coarse pointer) when they start, so a
browser is started anew for another scheme; Chromium emulates both at any
time (page_driver.Page.screen). A browser that cannot start raises
BrowserUnavailable; a missing piece of the set-up (tools/install-deps.sh
web) raises FileNotFoundError; a screen the engine cannot give, LookupError.
"""

import atexit
import base64
import json
import os
import shutil
import subprocess
import tempfile
import time

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--window-size=800,600",
]
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
NODE_MODULES = os.path.join(ROOT, "build", "web-node", "node_modules")


class BrowserUnavailable(Exception):
    pass


def need(program):
    path = shutil.which(program)
    if not path:
        raise FileNotFoundError(f"no {program} on the PATH (tools/install-deps.sh web)")
    return path


def first_line(error):
    return str(error).splitlines()[0] if str(error) else type(error).__name__


class Selenium:
    """What Chromium and WebKitGTK share: a Selenium session."""
    driver = None

    def resize(self, width, height):
        """Gives the page a viewport of WIDTH x HEIGHT CSS px, or raises
        LookupError where the engine's window will not go that small."""
        self.driver.set_window_size(width, height)
        until = time.monotonic() + 2  # the window manager may take a moment
        while (inner := self.script("return window.innerWidth")) != width and time.monotonic() < until:
            time.sleep(0.02)
        if inner != width:
            raise LookupError(f"{self.name}'s window will not go to {width} px wide (it stays at {inner})")

    def script(self, source, *args):
        return self.driver.execute_script(source, *args)

    def goto(self, url):
        self.driver.get(url)

    def preload(self, source):
        return False

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def insert(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(text).perform()

    def press(self, name):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        actions = ActionChains(self.driver)
        if name == "AltSpace":
            actions.key_down(Keys.ALT).send_keys(" ").key_up(Keys.ALT)
        else:
            actions.send_keys({"Enter": Keys.ENTER, "Escape": Keys.ESCAPE, "Tab": Keys.TAB,
                               "ArrowUp": Keys.ARROW_UP, "ArrowDown": Keys.ARROW_DOWN,
                               "Backspace": Keys.BACKSPACE}[name])
        actions.perform()

    def pointer(self, x, y, button):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.mouse_button import MouseButton
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(x), int(y))
        which = MouseButton.RIGHT if button == "right" else MouseButton.LEFT
        actions.pointer_action.pointer_down(which).pointer_up(which)
        actions.perform()


class Chromium(Selenium):
    name = "chromium"

    def __init__(self, dark=False, coarse=False):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        chromedriver = need("chromedriver")
        browser = shutil.which("chromium") or need("chromium-browser")
        self.profile = tempfile.mkdtemp(prefix="radixel-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = browser
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        try:
            self.driver = webdriver.Chrome(service=Service(executable_path=chromedriver), options=options)
        except Exception as error:  # the browser itself could not start
            shutil.rmtree(self.profile, ignore_errors=True)
            raise BrowserUnavailable(first_line(error))

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def preload(self, source):
        self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": source})
        return True

    def close(self):
        if self.driver is not None:
            self.driver.quit()  # ends chromedriver and the browser it started
            self.driver = None
            shutil.rmtree(self.profile, ignore_errors=True)


class WebKitGTK(Selenium):
    name = "webkitgtk"

    def __init__(self, dark=False, coarse=False):
        if coarse:
            raise LookupError("WebKitGTK takes its pointer from the X server's devices: no coarse pointer on Xvfb")
        from selenium import webdriver
        driver = need("WebKitWebDriver")
        need("Xvfb")
        browsers = [os.path.join(d, "MiniBrowser") for d in ("/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1",
                                                            "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.0")]
        browser = next((b for b in browsers if os.access(b, os.X_OK)), None)
        if browser is None:
            raise FileNotFoundError("no WebKitGTK MiniBrowser (tools/install-deps.sh web)")
        self.xvfb = self.start_xvfb()
        options = webdriver.WebKitGTKOptions()
        options.binary_location = browser
        options.add_argument("--automation")
        # The driver, and the browser it starts, take the display from the
        # environment; this process drives one browser only.
        os.environ["DISPLAY"] = self.display
        # WebKitGTK takes the dark scheme from a GTK theme of that variant.
        if dark:
            os.environ["GTK_THEME"] = "Adwaita:dark"
        else:
            os.environ.pop("GTK_THEME", None)
        try:
            self.driver = webdriver.WebKitGTK(executable_path=driver, options=options)
            self.driver.set_window_size(800, 600)
        except Exception as error:
            self.stop_xvfb()
            raise BrowserUnavailable(first_line(error))

    def start_xvfb(self):
        """An X server of its own, on a display number it picks itself."""
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                pass_fds=(write,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            xvfb.kill()
            xvfb.wait()
            raise BrowserUnavailable("Xvfb did not start")
        self.display = ":" + number
        return xvfb

    def stop_xvfb(self):
        if self.xvfb is not None:
            self.xvfb.terminate()
            self.xvfb.wait()
            self.xvfb = None

    def close(self):
        if self.driver is not None:
            self.driver.quit()
            self.driver = None
        self.stop_xvfb()


class Firefox:
    name = "firefox"
    profile = None  # one profile for every start in this process, removed at its exit

    def __init__(self, dark=False, coarse=False):
        node = need("node")
        firefox = need("firefox-esr")
        if not os.path.isdir(os.path.join(NODE_MODULES, "puppeteer-core")):
            raise FileNotFoundError(f"no puppeteer-core in {NODE_MODULES} (tools/install-deps.sh web)")
        bridge = os.path.join(os.path.dirname(os.path.abspath(__file__)), "firefox_bridge.js")
        # The scheme and the pointer are preferences, read when Firefox starts.
        prefs = {"layout.css.prefers-color-scheme.content-override": 0 if dark else 1}
        if coarse:
            prefs.update({"ui.primaryPointerCapabilities": 1, "ui.allPointerCapabilities": 1})
        if Firefox.profile is None:
            Firefox.profile = tempfile.mkdtemp(prefix="radixel-firefox-")
            atexit.register(shutil.rmtree, Firefox.profile, ignore_errors=True)
        self.process = subprocess.Popen([node, bridge, firefox, json.dumps(prefs), Firefox.profile], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        env=dict(os.environ, NODE_PATH=NODE_MODULES), text=True)
        started = self.read()
        if "ok" not in started:
            self.process.wait()
            self.process = None
            raise BrowserUnavailable(started.get("nobrowser") or started.get("error", "no answer"))

    def read(self):
        line = self.process.stdout.readline()
        return json.loads(line) if line else {"error": "the Firefox bridge has gone"}

    def call(self, op, **fields):
        self.process.stdin.write(json.dumps(dict(fields, op=op)) + "\n")
        self.process.stdin.flush()
        answer = self.read()
        if "error" in answer:
            raise RuntimeError(answer["error"])
        return answer["ok"]

    def script(self, source, *args):
        return self.call("script", body=source, args=list(args))

    def goto(self, url):
        self.call("goto", url=url)

    def preload(self, source):
        self.call("preload", source=source)
        return True

    def insert(self, text):
        self.call("text", text=text)

    def resize(self, width, height):
        self.call("viewport", width=width, height=height)

    def screenshot(self):
        return base64.b64decode(self.call("shot"))

    def press(self, name):
        self.call("key", key=" " if name == "AltSpace" else name, alt=name == "AltSpace")

    def pointer(self, x, y, button):
        self.call("click", x=x, y=y, button=button)

    def close(self):
        if self.process is not None:
            self.process.stdin.write(json.dumps({"op": "quit"}) + "\n")
            self.process.stdin.close()
            self.process.wait(timeout=60)
            self.process = None


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkitgtk": WebKitGTK}


def start(engine=None, dark=False, coarse=False):
    engine = engine or os.environ.get("RADIXEL_WEB_ENGINE", "chromium")
    if engine not in ENGINES:
        raise FileNotFoundError(f"unknown engine {engine!r}: one of {', '.join(ENGINES)}")
    return ENGINES[engine](dark=dark, coarse=coarse)
