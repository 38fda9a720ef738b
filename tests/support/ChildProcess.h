// Runs a piece of a test in a forked child, for what must not happen to the
// test process itself: dropping root, a file size limit, a private mount, or
// being killed. The child reports through a pipe; an empty report is success.
#pragma once

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

// The child's report, or why it has none. `body` returns "" when all went well.
inline std::string RunInChild(const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child < 0) return "no fork";
  if (child == 0) {
    ::close(channel[0]);
    const std::string report = body();
    [[maybe_unused]] const auto written = ::write(channel[1], report.data(), report.size());
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string report;
  char piece[256];
  for (long got; (got = ::read(channel[0], piece, sizeof piece)) > 0;) report.append(piece, got);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "the child died: " + report;
  return report;
}

// The unprivileged user and group the children switch to.
constexpr uid_t kNobody = 65534;

// Drops root for good; false when that is not possible.
inline bool BecomeNobody() {
  return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}
