// Reads the images of a Windows icon file (.ico) into Qt images: the
// bitmap kinds (1, 4, 8, 24 and 32 bits a pixel, with their transparency
// mask) and PNG entries. The program's icon is embedded as such a file, and
// decoding it here keeps the image-format plug-ins out of the start-up path.
// Malformed or truncated files give fewer images (or none), never a crash.
#pragma once

#include <QImage>
#include <span>
#include <vector>

namespace radixel::platform::qt {

// Every image the file holds that can be read, in the file's order.
std::vector<QImage> DecodeIco(std::span<const unsigned char> file);

// The image of exactly `size` x `size` pixels, else the smallest larger one
// scaled down, else the largest one scaled up; null when `images` is empty.
QImage ImageOfSize(const std::vector<QImage>& images, int size);

// The program's icon resource `id` at `size` x `size` pixels; null when the
// program has no such icon.
QImage ResourceIconImage(int id, int size);

}  // namespace radixel::platform::qt
