#include "systems/qt/lib/ico_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/resources.h"

namespace radixel::platform::qt {

namespace {

constexpr int kMaxSide = 256;

// Little-endian reads within the bounds of one span.
class Reader {
 public:
  explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::uint32_t U16(std::size_t offset) const {
    return static_cast<std::uint32_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  std::uint32_t U32(std::size_t offset) const { return U16(offset) | (U16(offset + 2) << 16); }
  std::int32_t S32(std::size_t offset) const {
    const std::uint32_t raw = U32(offset);
    std::int32_t value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
  }
  std::span<const unsigned char> Sub(std::size_t offset, std::size_t count) const {
    return bytes_.subspan(offset, count);
  }

 private:
  std::span<const unsigned char> bytes_;
};

std::size_t RowBytes(int width, int bitsPerPixel) {
  return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

// One bitmap entry: a BITMAPINFOHEADER, the palette, the colour rows and the
// transparency mask, both bottom-up.
QImage DecodeBitmap(std::span<const unsigned char> entry) {
  const Reader in(entry);
  if (!in.Has(0, 40)) return {};
  const std::uint32_t headerSize = in.U32(0);
  const std::int32_t width = in.S32(4);
  const std::int32_t doubledHeight = in.S32(8);
  const std::uint32_t bitCount = in.U16(14);
  const std::uint32_t compression = in.U32(16);
  const std::uint32_t coloursUsed = in.U32(32);
  if (headerSize < 40 || compression != 0) return {};
  if (width <= 0 || width > kMaxSide || doubledHeight <= 0 || doubledHeight > 2 * kMaxSide) return {};
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) return {};
  const int height = doubledHeight / 2;
  if (height == 0) return {};

  std::size_t paletteSize = 0;
  if (bitCount <= 8) {
    paletteSize = coloursUsed != 0 ? coloursUsed : (1u << bitCount);
    if (paletteSize > (1u << bitCount)) return {};
  }
  const std::size_t paletteAt = headerSize;
  const std::size_t colourAt = paletteAt + paletteSize * 4;
  const std::size_t colourRow = RowBytes(width, static_cast<int>(bitCount));
  const std::size_t maskAt = colourAt + colourRow * static_cast<std::size_t>(height);
  const std::size_t maskRow = RowBytes(width, 1);
  if (!in.Has(paletteAt, paletteSize * 4) || !in.Has(colourAt, colourRow * height)) return {};
  const bool hasMask = in.Has(maskAt, maskRow * height);

  auto paletteColour = [&](std::uint32_t index) -> QRgb {
    if (index >= paletteSize) return qRgb(0, 0, 0);
    const std::size_t at = paletteAt + index * 4;
    const auto bytes = in.Sub(at, 3);
    return qRgb(bytes[2], bytes[1], bytes[0]);
  };

  QImage image(width, height, QImage::Format_ARGB32);
  bool anyAlpha = false;
  for (int row = 0; row < height; ++row) {
    const auto line = in.Sub(colourAt + colourRow * static_cast<std::size_t>(height - 1 - row), colourRow);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int x = 0; x < width; ++x) {
      const auto col = static_cast<std::size_t>(x);
      switch (bitCount) {
        case 1: out[x] = paletteColour((line[col / 8] >> (7 - col % 8)) & 1u); break;
        case 4: out[x] = paletteColour((line[col / 2] >> (col % 2 ? 0 : 4)) & 0xFu); break;
        case 8: out[x] = paletteColour(line[col]); break;
        case 24: out[x] = qRgb(line[col * 3 + 2], line[col * 3 + 1], line[col * 3]); break;
        default: {
          const int alpha = line[col * 4 + 3];
          anyAlpha = anyAlpha || alpha != 0;
          out[x] = qRgba(line[col * 4 + 2], line[col * 4 + 1], line[col * 4], alpha);
        }
      }
    }
  }
  // Without an alpha channel of its own, the mask says which pixels show.
  if (!anyAlpha) {
    for (int row = 0; row < height; ++row) {
      auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
      const auto mask = hasMask ? in.Sub(maskAt + maskRow * static_cast<std::size_t>(height - 1 - row), maskRow)
                                : std::span<const unsigned char>();
      for (int x = 0; x < width; ++x) {
        const auto col = static_cast<std::size_t>(x);
        const bool transparent = hasMask && ((mask[col / 8] >> (7 - col % 8)) & 1u);
        out[x] = transparent ? qRgba(0, 0, 0, 0) : (out[x] | 0xFF000000u);
      }
    }
  }
  return image;
}

}  // namespace

std::vector<QImage> DecodeIco(std::span<const unsigned char> file) {
  std::vector<QImage> images;
  const Reader in(file);
  if (!in.Has(0, 6) || in.U16(0) != 0 || in.U16(2) != 1) return images;
  const std::uint32_t count = in.U16(4);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + static_cast<std::size_t>(i) * 16;
    if (!in.Has(at, 16)) break;
    const std::uint32_t size = in.U32(at + 8);
    const std::uint32_t offset = in.U32(at + 12);
    if (!in.Has(offset, size)) continue;
    const auto entry = in.Sub(offset, size);
    static constexpr unsigned char kPng[] = {0x89, 'P', 'N', 'G'};
    QImage image;
    if (entry.size() >= 4 && std::equal(std::begin(kPng), std::end(kPng), entry.begin())) {
      image.loadFromData(entry.data(), static_cast<int>(std::min<std::size_t>(entry.size(), INT32_MAX)), "PNG");
    } else {
      image = DecodeBitmap(entry);
    }
    if (!image.isNull()) images.push_back(std::move(image));
  }
  return images;
}

QImage ImageOfSize(const std::vector<QImage>& images, int size) {
  const QImage* best = nullptr;
  for (const QImage& image : images) {
    if (image.width() == size && image.height() == size) return image;
    const bool larger = image.width() >= size;
    if (best == nullptr) {
      best = &image;
    } else if (larger && (best->width() < size || image.width() < best->width())) {
      best = &image;
    } else if (!larger && best->width() < size && image.width() > best->width()) {
      best = &image;
    }
  }
  if (best == nullptr) return {};
  return best->scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ResourceIconImage(int id, int size) {
  const IconResource* icon = FindIcon(id);
  return icon ? ImageOfSize(DecodeIco(icon->icoFile), size) : QImage();
}

}  // namespace radixel::platform::qt
