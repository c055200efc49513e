// Writes the program's icon, as embedded in the program, into a hicolor
// icon-theme tree for installation: DIR/16x16/apps/NAME.png and
// DIR/32x32/apps/NAME.png. Run by the build.
//
//   radixel_icon_export DIR NAME
#include <QDir>
#include <QImage>
#include <cstdio>

#include "res/embedded_icon.h"
#include "systems/qt/lib/ico_image.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DIR NAME\n", argv[0]);
    return 2;
  }
  const std::vector<QImage> images = radixel::platform::qt::DecodeIco(radixel::res::kEmbeddedIcon);
  for (const int size : {16, 32}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    const QImage image = radixel::platform::qt::ImageOfSize(images, size);
    if (image.isNull() || !QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png"), "PNG")) {
      std::fprintf(stderr, "radixel_icon_export: cannot write the %dx%d icon to %s\n", size, size,
                   qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
