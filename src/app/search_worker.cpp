#include "app/search_worker.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stop_token>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <QSocketNotifier>

#include "support/descriptor.h"

// Nothing here ever waits for a search. A search no longer wanted is told to
// stop and left to end on its own; it owns the end of the socket it answers
// on, so it touches nothing of the worker's, which may be gone by then.
//
// An idle search runs in a process of its own. On a busy processor an idle
// thread is not scheduled for seconds, a process cannot end before every one
// of its threads has run to its end, and a player's program may not lift a
// thread out of idle priority again: the game's exit would wait for it. A
// search process is killed instead and ends whenever it next runs. A search
// at normal priority is a thread, which runs as soon as it is told to stop.

namespace gorbix {

struct SearchWorker::Search {
  Search(int answer, pid_t pid, std::stop_source stop, const solver::Position& start)
      : answer(answer), pid(pid), stop(std::move(stop)), start(start) {}
  ~Search() {
    notifier->setEnabled(false);
    notifier->deleteLater();
  }

  Descriptor answer;  // read without waiting
  QSocketNotifier* notifier = nullptr;
  pid_t pid;  // 0 for a thread
  std::stop_source stop;
  solver::Position start;
  std::string received;
};

namespace {

// Search processes told to end, and ended ones, not yet reaped.
std::vector<pid_t>& leftToEnd() {
  static std::vector<pid_t> pids;
  return pids;
}

void reapEnded() {
  std::erase_if(leftToEnd(), [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

// The line as bytes: the score, the number of clicks, then each click's
// index and side. Far below what a socket takes in one piece.
std::string encode(const solver::Line& line) {
  const std::int32_t score = line.score;
  const auto count = static_cast<std::uint16_t>(line.clicks.size());
  std::string bytes(6 + 2 * std::size_t{count}, '\0');
  std::memcpy(bytes.data(), &score, 4);
  std::memcpy(bytes.data() + 4, &count, 2);
  for (std::size_t i = 0; i < count; ++i) {
    bytes[6 + 2 * i] = static_cast<char>(line.clicks[i].index);
    bytes[7 + 2 * i] = line.clicks[i].right ? 1 : 0;
  }
  return bytes;
}

// The line, once all of its bytes have come.
std::optional<solver::Line> decode(const std::string& bytes) {
  std::int32_t score = 0;
  std::uint16_t count = 0;
  if (bytes.size() < 6) return std::nullopt;
  std::memcpy(&score, bytes.data(), 4);
  std::memcpy(&count, bytes.data() + 4, 2);
  if (bytes.size() != 6 + 2 * std::size_t{count}) return std::nullopt;
  solver::Line line{{}, score};
  for (std::size_t i = 0; i < count; ++i) {
    line.clicks.push_back({static_cast<std::uint8_t>(bytes[6 + 2 * i]), bytes[7 + 2 * i] != 0});
  }
  return line;
}

// Nobody may be listening any more: no SIGPIPE.
void answer(int socket, const solver::Line& line) {
  const std::string bytes = encode(line);
  [[maybe_unused]] const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// Only the forking thread lives on in the child: it touches nothing that the
// game's other threads may have held, and ends with _exit, running none of
// the game's own ending.
[[noreturn]] void searchInChild(int socket, pid_t game, const solver::Position& start, const solver::Budget& budget,
                                const std::function<void()>& gate) {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != game) ::_exit(0);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, SIG_DFL);
  if (gate) gate();
  // The game's window, sound server and files are none of this process's business.
  ::dup2(socket, 3);
  ::close_range(4, ~0U, 0);
  // Applies to the threads the search starts as well.
  sched_param param{};
  ::sched_setscheduler(0, SCHED_IDLE, &param);
  answer(3, solver::solve(start, budget));
  ::_exit(0);
}

}  // namespace

SearchWorker::SearchWorker(Priority priority, QObject* parent) : QObject(parent), priority_(priority) {}

SearchWorker::~SearchWorker() { cancel(); }

void SearchWorker::cancel() {
  if (!search_) return;
  if (search_->pid > 0) {
    ::kill(search_->pid, SIGKILL);
    leftToEnd().push_back(search_->pid);
  }
  search_->stop.request_stop();
  search_.reset();
}

void SearchWorker::start(const solver::Position& start, solver::Budget budget) {
  cancel();
  reapEnded();
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) return;
  std::stop_source stop;
  budget.stop = stop.get_token();
  pid_t pid = 0;
  bool launched = true;
  if (priority_ == Priority::Idle) {
    const pid_t game = ::getpid();
    pid = ::fork();
    if (pid == 0) searchInChild(ends[1], game, start, budget, gate_);
    ::close(ends[1]);
    launched = pid > 0;
  } else {
    try {
      std::thread([theirs = ends[1], start, budget, gate = gate_] {
        if (gate) gate();
        answer(theirs, solver::solve(start, budget));
        ::close(theirs);
      }).detach();
    } catch (const std::system_error&) {
      ::close(ends[1]);
      launched = false;
    }
  }
  if (!launched) {
    ::close(ends[0]);
    return;  // no process or thread to be had: this search is given up
  }
  search_ = std::make_unique<Search>(ends[0], pid, std::move(stop), start);
  auto* notifier = new QSocketNotifier(search_->answer.get(), QSocketNotifier::Read, this);
  search_->notifier = notifier;
  connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
    if (search_ && search_->notifier == notifier) collect();
  });
}

void SearchWorker::collect() {
  char buffer[512];
  ssize_t got = 0;
  while ((got = ::read(search_->answer.get(), buffer, sizeof buffer)) > 0) {
    search_->received.append(buffer, static_cast<std::size_t>(got));
  }
  const std::optional<solver::Line> line = decode(search_->received);
  // A search that ended without its line (killed from outside) gives none.
  const bool ended = got == 0 || (errno != EAGAIN && errno != EINTR);
  if (!line && !ended) return;
  const std::unique_ptr<Search> search = std::move(search_);
  if (search->pid > 0) leftToEnd().push_back(search->pid);
  reapEnded();
  if (line) emit found(search->start, *line);
}

}  // namespace gorbix
