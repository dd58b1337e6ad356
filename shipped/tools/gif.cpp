#include "gif.h"

#include <stdexcept>
#include <unordered_map>

namespace shipped {
namespace {

// Packs variable-width codes least significant bit first into 255-byte sub-blocks.
class CodeWriter {
 public:
  explicit CodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void put(int code, int width) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      byte(static_cast<std::uint8_t>(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  void finish() {
    if (count_ > 0) byte(static_cast<std::uint8_t>(bits_ & 0xFF));
    flushBlock();
    out_.push_back(0);  // block terminator
  }

 private:
  void byte(std::uint8_t b) {
    block_.push_back(b);
    if (block_.size() == 255) flushBlock();
  }
  void flushBlock() {
    if (block_.empty()) return;
    out_.push_back(static_cast<std::uint8_t>(block_.size()));
    out_.insert(out_.end(), block_.begin(), block_.end());
    block_.clear();
  }
  std::vector<std::uint8_t>& out_;
  std::vector<std::uint8_t> block_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

void word(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> encodeGif(const PaletteImage& image) {
  if (image.palette.empty() || image.palette.size() > 256) throw std::runtime_error("bad palette");
  if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height || image.pixels.empty())
    throw std::runtime_error("bad pixel count");
  int depth = 1;  // bits per index
  while ((1u << depth) < image.palette.size()) ++depth;
  for (auto p : image.pixels)
    if (p >= image.palette.size()) throw std::runtime_error("index outside palette");

  std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  word(out, image.width);
  word(out, image.height);
  out.push_back(static_cast<std::uint8_t>(0x80 | ((depth - 1) << 4) | (depth - 1)));  // global table
  out.push_back(0);                                                                   // background index
  out.push_back(0);                                                                   // aspect ratio
  for (int i = 0; i < (1 << depth); ++i) {
    const std::uint32_t c = i < static_cast<int>(image.palette.size()) ? image.palette[i] : 0;
    out.push_back(static_cast<std::uint8_t>(c >> 16));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
    out.push_back(static_cast<std::uint8_t>(c));
  }
  out.push_back(0x2C);  // image descriptor
  word(out, 0);
  word(out, 0);
  word(out, image.width);
  word(out, image.height);
  out.push_back(0);

  const int minCodeSize = depth < 2 ? 2 : depth;
  out.push_back(static_cast<std::uint8_t>(minCodeSize));
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  CodeWriter writer(out);
  std::unordered_map<std::uint32_t, int> table;
  int next = end + 1;
  int width = minCodeSize + 1;
  writer.put(clear, width);
  int prefix = image.pixels[0];
  for (std::size_t i = 1; i < image.pixels.size(); ++i) {
    const int k = image.pixels[i];
    const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | static_cast<std::uint32_t>(k);
    const auto found = table.find(key);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    writer.put(prefix, width);
    table.emplace(key, next++);
    // The decoder adds its entries one code later, so widen once the new code no longer fits.
    if (next > (1 << width) && width < 12) ++width;
    if (next == 4096) {
      writer.put(clear, width);
      table.clear();
      next = end + 1;
      width = minCodeSize + 1;
    }
    prefix = k;
  }
  writer.put(prefix, width);
  writer.put(end, width);
  writer.finish();
  out.push_back(0x3B);  // trailer
  return out;
}

}  // namespace shipped
