#include "cli/output_buffer.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "cli/fd_io.h"
#include "platform/cstring.h"

namespace radixel::cli {

namespace {

// Copies the `Size` bytes at `at` with one load and one store.
template <std::size_t Size>
void CopyWhole(char* out, const char* in, std::size_t at) {
  char bytes[Size];
  std::memcpy(bytes, in + at, Size);
  std::memcpy(out + at, bytes, Size);
}

// Copies `size` bytes, at least sixteen, with whole loads and stores of
// sixteen bytes, the last one overlapping the one before.
char* CopyBytes(char* out, const char* in, std::size_t size) {
  for (std::size_t at = 0; at + kBlockBytes < size; at += kBlockBytes) CopyWhole<kBlockBytes>(out, in, at);
  CopyWhole<kBlockBytes>(out, in, size - kBlockBytes);
  return out + size;
}

// Copies a short text's whole buffer, the text and what follows it, in
// three moves of sixteen bytes, the last overlapping the second.
void CopyInlineBuffer(char* out, const char* in) {
  static_assert(CString::kInlineBufferSize > 2 * kBlockBytes &&
                CString::kInlineBufferSize <= 3 * kBlockBytes);
  CopyWhole<kBlockBytes>(out, in, 0);
  CopyWhole<kBlockBytes>(out, in, kBlockBytes);
  CopyWhole<kBlockBytes>(out, in, CString::kInlineBufferSize - kBlockBytes);
}

// A byte written as it is: it holds each separator's place while a record
// is tested, and fills what the test reads past the record's end.
constexpr char kPlainByte = 'A';

}  // namespace

// The buffer is left uninitialised: only what was written into it is read.
// The block past its capacity takes the plain bytes that a record's test
// reads past the record.
OutputBuffer::OutputBuffer(int fd) : fd_(fd), buffer_(new char[kCapacity + kBlockBytes]) {}

void OutputBuffer::Append(std::string_view bytes) {
  if (bytes.size() >= kBlockSize) {
    Flush();
    Write(bytes);
    return;
  }
  if (kCapacity - used_ < bytes.size()) Flush();
  std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

// Each block of the field is escaped straight into the buffer, with room
// made first for the most it can escape to.
void OutputBuffer::AppendEscaped(std::string_view field) {
  while (!field.empty()) {
    const std::size_t take = std::min(field.size(), kBlockSize);
    if (kCapacity - used_ < EscapedSizeBound(take)) Flush();
    char* const start = buffer_.get() + used_;
    used_ += static_cast<std::size_t>(EscapeInto(start, field.substr(0, take)) - start);
    field.remove_prefix(take);
    FlushIfFull();
  }
}

// A record of usual size is written straight into the buffer, with room
// made once for all of it. Its fields rarely hold a byte to escape, so they
// are first copied as they are, with a plain byte where each separator goes,
// and the copy is tested whole, a block at a time; only when it may hold a
// byte to escape is it written again, escaped field by field. A short
// field is copied with its whole buffer, which a CString's short text lets
// be read; the bytes past the field are written over by what follows it.
// (The three fields are taken one by one, not in a loop, so that they stay
// in registers.)
void OutputBuffer::AppendRecord(const CString& firstText, const CString& secondText,
                                const CString& thirdText) {
  const std::string_view first = firstText.view();
  const std::string_view second = secondText.view();
  const std::string_view third = thirdText.view();
  const std::array<std::string_view, 3> fields = {first, second, third};
  const std::size_t total = first.size() + second.size() + third.size();
  if (total >= kBlockSize) {
    std::size_t left = fields.size();
    for (const std::string_view field : fields) {
      AppendEscaped(field);
      Append(--left == 0 ? '\n' : '\t');
    }
    return;
  }
  // (Room for a short field's whole buffer past the last field's start.)
  if (kCapacity - used_ < EscapedSizeBound(total) + fields.size() + CString::kInlineBufferSize) {
    Flush();
  }
  char* const start = buffer_.get() + used_;
  char* out = start;
  const auto copy = [&out](std::string_view field) {
    if (field.size() < CString::kInlineBufferSize) {
      CopyInlineBuffer(out, field.data());
      out += field.size();
    } else {
      static_assert(CString::kInlineBufferSize >= kBlockBytes);
      out = CopyBytes(out, field.data(), field.size());
    }
    *out++ = kPlainByte;
  };
  copy(first);
  copy(second);
  copy(third);
  // The test reads on to the end of its last block: the bytes there are plain.
  StoreBlock(out, Bytes16{} + static_cast<unsigned char>(kPlainByte));
  if (AnyEscapedUpTo(start, out)) {
    out = start;
    for (const std::string_view field : fields) {
      out = EscapeInto(out, field);
      *out++ = '\t';
    }
  } else {
    start[first.size()] = '\t';
    start[first.size() + 1 + second.size()] = '\t';
  }
  out[-1] = '\n';
  used_ = static_cast<std::size_t>(out - buffer_.get());
}

void OutputBuffer::Flush() {
  if (used_ == 0) return;
  Write({buffer_.get(), used_});
  used_ = 0;
}

void OutputBuffer::Write(std::string_view bytes) {
  if (writeError_ == 0 && !WriteAll(fd_, bytes)) writeError_ = errno != 0 ? errno : EIO;
}

}  // namespace radixel::cli
