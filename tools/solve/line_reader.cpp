#include "line_reader.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace gorbix::solve {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A descriptor left non-blocking by whoever started us is waited for, not
// taken for a failure.
bool mustRetry(int fd, short events) {
  if (errno == EINTR) return true;
  if (errno != EAGAIN) return false;
  pollfd ready{fd, events, 0};
  ::poll(&ready, 1, -1);
  return true;
}

}  // namespace

LineReader::Got LineReader::next(std::string& line) {
  line.clear();
  bool any = false;
  bool tooLong = false;
  for (;;) {
    if (at_ == size_) {
      if (ended_) {
        if (!any) return Got::End;
        return tooLong ? Got::TooLong : Got::Line;
      }
      const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
      if (got < 0) {
        if (mustRetry(fd_, POLLIN)) continue;
        return Got::Failed;
      }
      ended_ = got == 0;
      at_ = 0;
      size_ = static_cast<std::size_t>(got);
      continue;
    }
    const char c = buffer_[at_++];
    any = true;
    if (c == '\n') return tooLong ? Got::TooLong : Got::Line;
    if (tooLong || (isBlank(c) && !line.empty() && isBlank(line.back()))) continue;
    if (line.size() == kLongestLine) {
      tooLong = true;
    } else {
      line.push_back(c);
    }
  }
}

bool writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t put = ::write(fd, text.data(), text.size());
    if (put < 0) {
      if (mustRetry(fd, POLLOUT)) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

}  // namespace gorbix::solve
