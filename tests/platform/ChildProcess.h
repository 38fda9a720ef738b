// Runs a piece of a test in a forked child, for what must not happen to the
// test process itself: dropping root, a file size limit, a private mount, or
// being killed. The child reports through a pipe; an empty report is success.
#pragma once

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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

// Runs `body` with the rights of an ordinary user, whom file permissions
// stop: here when this process is one, else in a child that becomes nobody
// after `handedOver` became nobody's. The report is as RunInChild's.
inline std::string RunAsOrdinaryUser(const std::vector<std::filesystem::path>& handedOver,
                                     const std::function<std::string()>& body) {
  if (::geteuid() != 0) return body();
  for (const std::filesystem::path& path : handedOver) {
    if (::chown(path.c_str(), kNobody, kNobody) != 0) return "cannot hand over " + path.string();
  }
  return RunInChild([&] { return BecomeNobody() ? body() : "cannot drop privileges"; });
}
