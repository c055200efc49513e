// Writes the program's resource script (.rc) from the resource tables in
// res/, so that the Windows executable carries the very templates, menu,
// strings and version record every other window system builds from.
//
//   radixel_rc_writer OUTPUT.rc ICON.ico MANIFEST [IMAGE.png...]
//       the program's script, with its application manifest; each PNG image
//       is added to the icon after the .ico's own images (in OUTPUT.ico)
//   radixel_rc_writer --cli OUTPUT.rc                radixel-cli.exe's script: the
//                                                    version record under its own names
//
// Runs on the build machine; the script goes to the cross resource compiler.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "res/resources.h"

namespace {

using namespace radixel::platform;

// A string literal in resource-script syntax.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    switch (ch) {
      case '"': out += "\"\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(ch) < 0x20) {
          char octal[8];
          std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned char>(ch));
          out += octal;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

// The dialog manager's ordinals of the predefined classes; given as numbers
// so that the resource compiler stores ordinals, not class names.
const char* ClassOrdinal(ControlClass cls) {
  switch (cls) {
    case ControlClass::kButton: return "0x0080";
    case ControlClass::kEdit: return "0x0081";
    case ControlClass::kStatic: return "0x0082";
  }
  return "0x0082";
}

void WriteDialog(std::ostream& rc, const DialogTemplate& d) {
  rc << d.id << " DIALOG " << d.x << ", " << d.y << ", " << d.cx << ", " << d.cy << "\n"
     << "STYLE " << Hex(d.style | style::kDsSetFont) << "\n";
  if (d.exStyle != 0) rc << "EXSTYLE " << Hex(d.exStyle) << "\n";
  rc << "CAPTION " << Quoted(d.caption) << "\n";
  if (d.menuId != 0) rc << "MENU " << d.menuId << "\n";
  rc << "FONT " << d.fontPointSize << ", " << Quoted(d.fontName) << "\n"
     << "BEGIN\n";
  for (const ControlTemplate& c : d.controls) {
    // An icon label names its icon resource by number in place of a text.
    const bool iconLabel =
        c.cls == ControlClass::kStatic && (c.style & style::kSsTypeMask) == style::kSsIcon;
    rc << "  CONTROL " << (iconLabel ? std::to_string(c.iconId) : Quoted(c.text)) << ", "
       << c.id << ", " << ClassOrdinal(c.cls) << ", " << Hex(c.style) << ", " << c.x
       << ", " << c.y << ", " << c.cx << ", " << c.cy << "\n";
  }
  rc << "END\n\n";
}

void WriteMenu(std::ostream& rc, const MenuTemplate& m) {
  rc << m.id << " MENU\nBEGIN\n";
  for (const MenuItemTemplate& item : m.items) {
    rc << "  MENUITEM " << Quoted(item.text) << ", " << item.command << "\n";
  }
  rc << "END\n\n";
}

std::string VersionNumbers(const std::uint16_t (&v)[4]) {
  std::ostringstream out;
  out << v[0] << ", " << v[1] << ", " << v[2] << ", " << v[3];
  return out.str();
}

void WriteVersion(std::ostream& rc, const VersionResource& v) {
  rc << "1 VERSIONINFO\n"
     << "FILEVERSION " << VersionNumbers(v.fileVersion) << "\n"
     << "PRODUCTVERSION " << VersionNumbers(v.productVersion) << "\n"
     << "FILEFLAGSMASK 0x3F\nFILEFLAGS 0x0\n"
     << "FILEOS " << Hex(v.fileOs) << "\nFILETYPE " << Hex(v.fileType) << "\nFILESUBTYPE 0x0\n"
     << "BEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK " << Quoted(v.blockName)
     << "\n    BEGIN\n";
  for (const VersionString& s : v.strings) {
    rc << "      VALUE " << Quoted(s.key) << ", " << Quoted(s.value) << "\n";
  }
  rc << "    END\n  END\n  BLOCK \"VarFileInfo\"\n  BEGIN\n"
     << "    VALUE \"Translation\", " << Hex(v.language) << ", " << v.codePage << "\n"
     << "  END\nEND\n";
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  return bytes.str();
}

unsigned Byte(const std::string& bytes, std::size_t at) { return static_cast<unsigned char>(bytes.at(at)); }
void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An icon file holding the .ico's images exactly as they are, followed by
// PNG-compressed images (32 bits a pixel, sizes up to 256 as their headers
// give them): the directory gains one entry per image, the offsets move.
std::string IconWithPngImages(const std::string& ico, const std::vector<std::string>& pngs) {
  if (ico.size() < 6 || Byte(ico, 2) != 1) throw std::runtime_error("not an icon file");
  const std::size_t count = Byte(ico, 4) | (Byte(ico, 5) << 8);
  const std::size_t directoryEnd = 6 + 16 * count;
  if (ico.size() < directoryEnd) throw std::runtime_error("truncated icon directory");
  const std::size_t shift = 16 * pngs.size();
  std::string out;
  PutLe(out, 0, 2);
  PutLe(out, 1, 2);
  PutLe(out, static_cast<std::uint32_t>(count + pngs.size()), 2);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    out += ico.substr(entry, 12);
    const std::uint32_t offset = Byte(ico, entry + 12) | (Byte(ico, entry + 13) << 8) |
                                 (Byte(ico, entry + 14) << 16) | (Byte(ico, entry + 15) << 24);
    PutLe(out, static_cast<std::uint32_t>(offset + shift), 4);
  }
  std::size_t offset = ico.size() + shift;
  for (const std::string& png : pngs) {
    // The PNG signature, then the IHDR chunk's big-endian width and height.
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) throw std::runtime_error("not a PNG image");
    const unsigned width = (Byte(png, 18) << 8) | Byte(png, 19);
    const unsigned height = (Byte(png, 22) << 8) | Byte(png, 23);
    if (width > 256 || height > 256 || Byte(png, 16) || Byte(png, 17) || Byte(png, 20) || Byte(png, 21)) {
      throw std::runtime_error("a PNG image larger than 256 pixels");
    }
    out += static_cast<char>(width & 0xFF);  // 256 is written 0
    out += static_cast<char>(height & 0xFF);
    PutLe(out, 0, 2);   // no palette, reserved
    PutLe(out, 1, 2);   // planes
    PutLe(out, 32, 2);  // bits a pixel
    PutLe(out, static_cast<std::uint32_t>(png.size()), 4);
    PutLe(out, static_cast<std::uint32_t>(offset), 4);
    offset += png.size();
  }
  out += ico.substr(directoryEnd);
  for (const std::string& png : pngs) out += png;
  return out;
}

void WriteLanguage(std::ostream& rc, const VersionResource& v) {
  rc << "// Generated from the program's resource tables; do not edit.\n"
     << "LANGUAGE " << (v.language & 0x3FF) << ", " << (v.language >> 10) << "\n\n";
}

// The program's script: icon, menu, dialogs, strings, version record and
// the application manifest (resource type 24, id 1).
std::string ProgramScript(const ResourceModule& res, const char* icon, const char* manifest) {
  std::ostringstream rc;
  WriteLanguage(rc, *res.version);
  for (const IconResource& i : res.icons) rc << i.id << " ICON " << Quoted(icon) << "\n\n";
  for (const MenuTemplate& menu : res.menus) WriteMenu(rc, menu);
  for (const DialogTemplate& dialog : res.dialogs) WriteDialog(rc, dialog);
  rc << "STRINGTABLE\nBEGIN\n";
  for (const StringResource& s : res.strings) rc << "  " << s.id << ", " << Quoted(s.text) << "\n";
  rc << "END\n\n";
  WriteVersion(rc, *res.version);
  rc << "\n1 24 " << Quoted(manifest) << "\n";
  return rc.str();
}

// radixel-cli.exe's script: the program's version record, with the names
// that tell the command-line program apart in a file's properties.
std::string CliScript(const VersionResource& program) {
  std::vector<VersionString> strings(program.strings.begin(), program.strings.end());
  for (VersionString& s : strings) {
    const std::string_view key = s.key;
    if (key == "FileDescription") s.value = "Radixel command-line converter";
    if (key == "InternalName") s.value = "radixel-cli";
    if (key == "OriginalFilename") s.value = "radixel-cli.exe";
    if (key == "ProductName") s.value = "Radixel";
  }
  VersionResource cli = program;
  cli.strings = strings;
  std::ostringstream rc;
  WriteLanguage(rc, cli);
  WriteVersion(rc, cli);
  return rc.str();
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) std::cerr << "radixel_rc_writer: cannot write " << path << "\n";
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const bool cli = argc == 3 && std::string_view(argv[1]) == "--cli";
  if (!cli && argc < 4) {
    std::cerr << "usage: radixel_rc_writer OUTPUT.rc ICON.ico MANIFEST [IMAGE.png...] | --cli OUTPUT.rc\n";
    return 2;
  }
  const ResourceModule& res = radixel::res::Module();
  if (cli) return WriteFile(argv[2], CliScript(*res.version)) ? 0 : 1;

  std::string icon = argv[2];
  if (argc > 4) {
    std::vector<std::string> pngs;
    std::string combined;
    try {
      for (int i = 4; i < argc; ++i) pngs.push_back(ReadFile(argv[i]));
      combined = IconWithPngImages(ReadFile(argv[2]), pngs);
    } catch (const std::exception& e) {
      std::cerr << "radixel_rc_writer: " << e.what() << "\n";
      return 1;
    }
    const std::string script = argv[1];
    icon = script.substr(0, script.rfind('.')) + ".ico";
    if (!WriteFile(icon, combined)) return 1;
  }
  return WriteFile(argv[1], ProgramScript(res, icon.c_str(), argv[3])) ? 0 : 1;
}
