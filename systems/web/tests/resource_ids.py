"""The program's control and command ids, read from the C++ headers that
define them (res/resource_ids.h, and OK's id from platform/messages.h), so
that the page's scripts never keep a copy that could go stale.

    from resource_ids import IDS
    IDS["IDC_INPUT"], IDS["IDOK"]
"""

import os
import re

_ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
_DEFINITION = re.compile(r"^inline constexpr (?:int|unsigned) (\w+) = (0x[0-9A-Fa-f]+|\d+);", re.M)


def _read(relative):
    with open(os.path.join(_ROOT, relative), encoding="utf-8") as header:
        return {name: int(value, 0) for name, value in _DEFINITION.findall(header.read())}


def _ids():
    ids = _read("res/resource_ids.h")
    ids["IDOK"] = _read("platform/messages.h")["kIdOk"]
    for needed in ("IDC_INPUT", "IDC_OUTPUT", "IDC_ERRORS", "IDC_HEX_TO_DEC", "IDC_BIN_TO_DEC"):
        if needed not in ids:
            raise SystemExit(f"resource_ids: {needed} is not defined in res/resource_ids.h")
    return ids


IDS = _ids()
