// Whole runs of halvane-report as a user starts it: wall time and peak memory per process.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

// What a user may wait for and what the program may hold at its peak.
constexpr double kWallLimitMs = 150.0;
constexpr double kRssLimitMb = 80.0;
constexpr int kDefaultRuns = 20;

struct Scenario {
  const char* name;
  std::vector<std::string> arguments;
};

struct Run {
  double wall_ms;
  double max_rss_mb;
};

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// One process from spawn to reaped; the report goes to /dev/null so that a
// terminal's speed is not part of the figure. False when the run failed.
bool RunOnce(const std::vector<std::string>& arguments, Run& run) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(HALVANE_REPORT_BINARY));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

  const double start = NowMs();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(spawned));
    return false;
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) == -1) {
    if (errno != EINTR) {
      std::perror("wait4");
      return false;
    }
  }
  run.wall_ms = NowMs() - start;
  // Linux reports ru_maxrss in kilobytes.
  run.max_rss_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s ended with status 0x%x\n", argv[0], static_cast<unsigned>(status));
    return false;
  }
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
  // Lines in order with the started programs' complaints on stderr.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  int runs = kDefaultRuns;
  if (argc > 1) runs = std::atoi(argv[1]);
  if (runs < 1 || argc > 2) {
    std::fprintf(stderr, "usage: %s [RUNS]   (default %d)\n", argv[0], kDefaultRuns);
    return 2;
  }

  const std::vector<Scenario> scenarios{
      {"this machine", {"--json", "--clock-mhz", "1700"}},
      {"recorded dump",
       {"--json", "--clock-mhz", "1700", "--cpuid-dump",
        std::string(HALVANE_DATA_DIR) + "/intel/pentium-4-1.60-northwood.txt"}},
  };

  std::printf("%s, %d runs each, no warm-up run (the first, coldest run counts)\n",
              HALVANE_REPORT_BINARY, runs);
  std::printf("limits: wall <= %.0f ms, max RSS <= %.0f MB\n\n", kWallLimitMs, kRssLimitMb);
  std::printf("%-15s %12s %12s %12s %14s  %s\n", "scenario", "wall min ms", "wall med ms",
              "wall max ms", "max RSS MB", "result");

  bool all_held = true;
  for (const Scenario& scenario : scenarios) {
    std::vector<double> walls;
    double max_rss_mb = 0.0;
    bool failed = false;
    for (int i = 0; i < runs; ++i) {
      Run run{};
      if (!RunOnce(scenario.arguments, run)) {
        failed = true;
        break;
      }
      walls.push_back(run.wall_ms);
      max_rss_mb = std::max(max_rss_mb, run.max_rss_mb);
    }
    if (failed) {
      std::printf("%-15s %12s %12s %12s %14s  %s\n", scenario.name, "-", "-", "-", "-",
                  "FAILED TO RUN");
      all_held = false;
      continue;
    }
    const double max_wall = *std::max_element(walls.begin(), walls.end());
    const bool held = max_wall <= kWallLimitMs && max_rss_mb <= kRssLimitMb;
    all_held = all_held && held;
    std::printf("%-15s %12.1f %12.1f %12.1f %14.1f  %s\n", scenario.name,
                *std::min_element(walls.begin(), walls.end()), Median(walls), max_wall, max_rss_mb,
                held ? "ok" : "MISSED");
  }
  return all_held ? 0 : 1;
}
