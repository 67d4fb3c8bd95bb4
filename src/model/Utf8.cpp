#include "model/Utf8.h"

namespace tablesmith {
namespace {

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (unsigned char byte : text) {
    if (!IsContinuationByte(byte)) ++count;
  }
  return count;
}

std::string Utf8Prefix(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuationByte(static_cast<unsigned char>(text[i]))) {
      if (seen == count) return std::string(text.substr(0, i));
      ++seen;
    }
  }
  return std::string(text);
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

}  // namespace tablesmith
