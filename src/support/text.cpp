#include "support/text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace gorbix {

std::string IntStr(std::int16_t n) { return std::to_string(n); }

std::string NextField(std::string_view sep, std::string& text) {
  const auto p = text.find(sep);
  if (p == std::string::npos) {
    std::string field = std::move(text);
    text.clear();
    return field;
  }
  std::string field = text.substr(0, p);
  text.erase(0, p + sep.size());
  return field;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The longest prefix of s (after leading blanks) that reads as a decimal
// number with optional sign, fraction and exponent.
std::string_view leadingNumber(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1;
    std::size_t fraction = 0;
    while (j < s.size() && isDigit(s[j])) ++j, ++fraction;
    if (digits + fraction > 0) i = j, digits += fraction;
  }
  if (digits == 0) return {};
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) ++j;
      i = j;
    }
  }
  return s.substr(start, i - start);
}

}  // namespace

std::int16_t NextIntField(std::string_view sep, std::string& text, std::int16_t def) {
  const std::string field = NextField(sep, text);
  if (field.empty()) return def;

  std::string_view number = leadingNumber(field);
  if (number.empty()) return 0;
  if (number.front() == '+') number.remove_prefix(1);  // from_chars takes no plus sign

  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc()) return def;
  // nearbyint rounds in the default mode: to nearest, halves to even.
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return def;
  }
  return static_cast<std::int16_t>(rounded);
}

std::string DeleteChars(std::string_view text, int pos, int count) {
  const int length = static_cast<int>(text.size());
  if (pos < 1 || pos > length || count < 1) return std::string(text);
  std::string result(text.substr(0, static_cast<std::size_t>(pos - 1)));
  const int keepFrom = pos - 1 + count;
  if (keepFrom < length) result.append(text.substr(static_cast<std::size_t>(keepFrom)));
  return result;
}

}  // namespace gorbix
