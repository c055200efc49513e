#include "cli/usage.h"

#include "cli/modes.h"
#include "res/resources.h"

namespace radixel::cli {

std::string UsageText() {
  std::string text =
      "Usage: radixel-cli [--] MODE INPUT\n"
      "       radixel-cli --batch\n"
      "       radixel-cli -h | --help"
#ifdef _WIN32
      " | /?"
#endif
      "\n"
      "       radixel-cli -V | --version\n"
      "\n"
      "Converts INPUT as the Radixel window does: INPUT in the input box, the\n"
      "radio button of MODE chosen, OK pressed. Prints the output box on\n"
      "standard output and the error box, when it shows a message, on\n"
      "standard error.\n"
      "\n"
      "MODE (a name or a digit):\n";
  for (int mode = 0; mode < static_cast<int>(kModeNames.size()); ++mode) {
    text += "  ";
    text += kModeNames[static_cast<std::size_t>(mode)];
    text += "  ";
    text += static_cast<char>('0' + mode);
    text += "  ";
    text += ModeCaption(mode);
    text += '\n';
  }
  text +=
      "\n"
      "--batch reads lines MODE<TAB>INPUT from standard input and presses OK\n"
      "once per line on one window, so the boxes carry over from line to line.\n"
      "For each line it prints INPUTBOX<TAB>OUTPUTBOX<TAB>ERRORBOX, with\n"
      "backslash, tab, newline and carriage return written \\\\ \\t \\n \\r and\n"
      "other control bytes written \\xHH.\n"
      "\n"
      "A long option may be shortened while it stays unambiguous (--vers).\n"
      "\n"
      "Exit status: 0 when the error box is empty, 1 when it shows a message,\n"
      "2 for a usage error, a malformed batch line or failed input or output.\n";
  return text;
}

std::string VersionText() {
  const platform::VersionResource* version = res::Module().version;
  if (version == nullptr) return "";
  std::string text = "radixel-cli (Radixel) ";
  for (int part = 0; part < 4; ++part) {
    if (part > 0) text += '.';
    text += std::to_string(version->fileVersion[part]);
  }
  return text +
         "\nCopyright (C) 2026 The Radixel developers."
         "\nLicense MIT: you are free to use, change and share it. There is NO WARRANTY.";
}

}  // namespace radixel::cli
