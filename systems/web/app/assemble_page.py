"""Writes radixel.html, the page in one file, from the shell page, the
loader, Emscripten's script and its WebAssembly module:

    assemble_page.py SHELL LOADER SCRIPT WASM OUT

The module is stored deflated and base64-encoded in a data block the
browser does not run (#rx-module); the page's one script is the loader and
Emscripten's script, inline, after it. The page
carries a Content-Security-Policy that allows exactly its one script and
its one style (by their SHA-256 hashes), compiling WebAssembly and images
from data: URLs (the icon), and nothing else. The output depends on the inputs alone.
"""

import base64
import hashlib
import re
import sys
import zlib


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def main(shell_path, loader_path, script_path, wasm_path, out_path):
    with open(shell_path, encoding="utf-8") as f:
        shell = f.read()
    with open(loader_path, encoding="utf-8") as f:
        loader = f.read()
    with open(script_path, encoding="utf-8") as f:
        script = f.read()
    with open(wasm_path, "rb") as f:
        wasm = zlib.compress(f.read(), 9)
    module = ('<script type="application/octet-stream" id="rx-module">' + base64.b64encode(wasm).decode()
              + "</script>\n")
    code = loader + script
    if "</script" in code.lower():
        raise SystemExit("assemble_page: the script holds </script and cannot be inline")
    styles = re.findall(r"<style>(.*?)</style>", shell, re.DOTALL)
    if len(styles) != 1 or shell.count("{{{ SCRIPT }}}") != 1 or shell.count("{{{ POLICY }}}") != 1:
        raise SystemExit("assemble_page: the shell needs one <style>, one {{{ SCRIPT }}} and one {{{ POLICY }}}")
    policy = ("default-src 'none'; script-src " + digest(code) + " 'wasm-unsafe-eval'; style-src "
              + digest(styles[0]) + "; img-src data:; base-uri 'none'; form-action 'none'")
    page = shell.replace("{{{ POLICY }}}", policy).replace("{{{ SCRIPT }}}", module + "<script>" + code + "</script>")
    with open(out_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
