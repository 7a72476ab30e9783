// Small text helpers: numbers as text, blank-separated fields, cutting text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gorbix {

// Decimal text of n: "-" for negatives, no blank, no plus sign.
std::string IntStr(std::int16_t n);

// Returns the text before the first sep (case counts) and leaves in text
// what follows it; with no sep, returns all of text and empties it.
std::string NextField(std::string_view sep, std::string& text);

// The next field read as a number, rounded half to even. An empty field
// gives def; a field that does not begin with a number reads as 0; a number
// outside the 16-bit range gives def as well, so a damaged value never wraps.
std::int16_t NextIntField(std::string_view sep, std::string& text, std::int16_t def);

// text without count characters from 1-based position pos; text unchanged
// when pos lies outside it or count < 1.
std::string DeleteChars(std::string_view text, int pos, int count);

}  // namespace gorbix
