#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tablesmith {

// Number of Unicode code points in a UTF-8 text. Lengths and limits of the
// system count characters, never bytes.
std::size_t Utf8Length(std::string_view text);

// The first `count` code points of a UTF-8 text; never splits a character.
std::string Utf8Prefix(std::string_view text, std::size_t count);

// The text without its trailing blanks (only the space character counts).
std::string_view WithoutTrailingSpaces(std::string_view text);

}  // namespace tablesmith
