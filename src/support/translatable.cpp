#include "support/translatable.h"

#include <atomic>

namespace gorbix {

namespace {
// Set once at start, read from any thread after.
std::atomic<TextTranslator> translator{nullptr};
}  // namespace

void SetTextTranslator(TextTranslator t) { translator.store(t); }

LocalText::LocalText(std::string_view context, std::string_view text) {
  const TextTranslator t = translator.load();
  text_ = t ? t(context, text) : std::string(text);
}

LocalText& LocalText::arg(std::string_view value) {
  char lowest = '9' + 1;
  for (std::size_t i = 0; i + 1 < text_.size(); ++i) {
    if (text_[i] == '%' && text_[i + 1] >= '1' && text_[i + 1] < lowest) lowest = text_[i + 1];
  }
  if (lowest > '9') return *this;
  // One pass, so a value that holds a placeholder is never filled again.
  std::string filled;
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '%' && i + 1 < text_.size() && text_[i + 1] == lowest) {
      filled.append(value);
      ++i;
    } else {
      filled.push_back(text_[i]);
    }
  }
  text_ = std::move(filled);
  return *this;
}

}  // namespace gorbix
