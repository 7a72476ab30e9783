// A profile (INI-style) file held as its own lines, so that a change to one
// value leaves every other byte of the file as the user left it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorbix {

// Section and key names are matched without regard to ASCII letter case and
// without the blanks around them; values are read without the blanks around
// them. Only the first section of a name counts, and in it the first key of
// a name, for reading and for writing alike.
//
// A line that begins with "[" starts a section. A header that lacks its
// closing bracket still starts one, named by the rest of its line: a
// hand-edited "[Scores" then keeps its keys apart from the section above
// instead of lending them to it. Lines before the first section, lines
// beginning with ";" and lines without "=" are kept and never read.
class ProfileDocument {
 public:
  // Any bytes parse; a UTF-8 byte-order mark is kept aside and written back.
  static ProfileDocument Parse(std::string_view bytes);

  // The value of key in section, or nothing when either is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Stores value under (section, key), adding the section at the end and the
  // key after the last line of its section when missing. Returns false, and
  // changes nothing, for a name or value that would not read back as given:
  // an empty name, a line break or NUL anywhere, "=" in a key or a key that
  // would read as a header or comment, "]" in a section name.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // The file's bytes. The line ending of the file (CRLF or LF, whichever its
  // first line break uses) is used for every line Set writes.
  std::string Text() const;

 private:
  std::optional<std::size_t> findSection(std::string_view name) const;
  std::string lineEnd() const { return crlf_ ? "\r" : ""; }

  std::vector<std::string> lines_;  // without their '\n'; a CR stays on its line
  bool bom_ = false;
  bool finalNewline_ = false;
  bool crlf_ = false;
};

}  // namespace gorbix
