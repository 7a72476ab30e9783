// Standard input and output as plain descriptors, so that every failed read
// or write is seen with the system's reason, and no line is held whole that
// could not be a position anyway.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gorbix::solve {

class LineReader {
 public:
  // Far above any position's line, once its runs of blanks are cut to one.
  static constexpr std::size_t kLongestLine = 4096;

  enum class Got { Line, TooLong, End, Failed };

  explicit LineReader(int fd) : fd_(fd) {}

  // The next line, without its line break and with each run of blanks kept
  // as its first blank, which the position reader cannot tell apart. A line
  // longer than kLongestLine is skipped to its end: TooLong. Failed leaves
  // the reason in errno.
  Got next(std::string& line);

 private:
  int fd_;
  std::array<char, 1 << 16> buffer_{};
  std::size_t at_ = 0;
  std::size_t size_ = 0;
  bool ended_ = false;
};

// False, with the reason in errno, when the descriptor refuses any of it.
bool writeAll(int fd, std::string_view text);

}  // namespace gorbix::solve
