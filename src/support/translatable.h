// Marks a text the player reads, in code that has no Qt.
//
// The text stays what it is here (English), so the rules and their tests
// never depend on a language. lupdate finds it by the marker's name, which
// the build hands it as another spelling of QT_TRANSLATE_NOOP, and files it
// under `context`; the shell shows it through
// QCoreApplication::translate(context, text) with the same context.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define GORBIX_TEXT(context, text) text

// A marked text in the player's language, for code that shows it itself
// (settings and error messages); lupdate reads it like GORBIX_TEXT:
// GORBIX_TR("Settings", "Error updating file %1").arg(path).str().
#define GORBIX_TR(context, text) ::gorbix::LocalText(context, text)

namespace gorbix {

// The shell's translator of a marked text; none set (tests, tools) leaves
// every text English.
using TextTranslator = std::string (*)(std::string_view context, std::string_view text);
void SetTextTranslator(TextTranslator translator);

// A text of `context` in the player's language, filled in as QString::arg
// does: each arg() replaces the lowest-numbered of %1..%9 left.
class LocalText {
 public:
  LocalText(std::string_view context, std::string_view text);
  LocalText& arg(std::string_view value);
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

}  // namespace gorbix
