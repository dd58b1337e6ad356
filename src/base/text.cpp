// Text helpers: trimming and UTF-8 aware character counts.

#include <algorithm>
#include <cctype>
#include <string>

#include "base/values.h"

namespace tolvar::base {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// True for a byte that starts a character (not a UTF-8 continuation byte).
bool StartsChar(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Byte offset of the character with index `count` (or the text's size).
std::size_t ByteOffset(std::string_view text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text[i])) {
      if (chars == count) return i;
      ++chars;
    }
  }
  return text.size();
}

}  // namespace

std::string Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string LeftChars(std::string_view text, std::size_t count) {
  return std::string(text.substr(0, ByteOffset(text, count)));
}

std::string RightChars(std::string_view text, std::size_t count) {
  const std::size_t total = CharCount(text);
  if (count >= total) return std::string(text);
  return std::string(text.substr(ByteOffset(text, total - count)));
}

std::size_t CharCount(std::string_view text) {
  std::size_t chars = 0;
  for (const char c : text) {
    if (StartsChar(c)) ++chars;
  }
  return chars;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return c < 128 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c); });
  return lower;
}

bool AsciiEqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace tolvar::base
