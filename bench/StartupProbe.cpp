// How long a program takes from its start to its first window (or, without
// one, to its end), with the shared libraries it loads, its processor time and
// its peak memory. Each run starts the program afresh with StartupHook
// preloaded; the first run is reported beside the median of the others.
//
//   build-bench/bench/quizwell_startup_probe RUNS PROGRAM [ARGUMENT...]
//
// Windows open on the offscreen platform unless QT_QPA_PLATFORM says another.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchFiles.h"

extern char** environ;

namespace {

struct TStart {
  std::string Moment;  // "window" or "exit"
  double Milliseconds = 0;
  int Libraries = 0;
  double CpuMilliseconds = 0;
  double PeakMiB = 0;
};

TStart StartOnce(char** arguments) {
  int pipe[2];
  if (::pipe(pipe) != 0) throw std::runtime_error("no pipe");
  std::vector<std::string> settings = {"LD_PRELOAD=" QUIZWELL_STARTUP_HOOK,
                                       "QUIZWELL_PROBE_FD=" + std::to_string(pipe[1])};
  if (!std::getenv("QT_QPA_PLATFORM")) settings.push_back("QT_QPA_PLATFORM=offscreen");
  std::vector<char*> environment;
  for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
  for (std::string& setting : settings) environment.push_back(setting.data());
  environment.push_back(nullptr);

  // What the program prints would only hide the table.
  posix_spawn_file_actions_t quiet;
  ::posix_spawn_file_actions_init(&quiet);
  ::posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  ::posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int started = ::posix_spawn(&child, arguments[0], &quiet, nullptr, arguments, environment.data());
  ::posix_spawn_file_actions_destroy(&quiet);
  if (started != 0) throw std::runtime_error(std::string("cannot start ") + arguments[0]);
  ::close(pipe[1]);
  std::string line;
  char buffer[256];
  for (ssize_t n; line.find('\n') == std::string::npos && (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
    line.append(buffer, static_cast<size_t>(n));
  const auto end = std::chrono::steady_clock::now();
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);

  TStart run;
  char moment[16] = {};
  long cpu = 0, peak = 0;
  if (std::sscanf(line.c_str(), "%15s %d %ld %ld", moment, &run.Libraries, &cpu, &peak) != 4)
    throw std::runtime_error(std::string(arguments[0]) + " ended without a report");
  run.Moment = moment;
  run.Milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
  run.CpuMilliseconds = cpu / 1000.0;
  run.PeakMiB = peak / 1024.0;
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGUMENT...]\n", argv[0]);
    return 2;
  }
  const int runs = std::max(2, std::atoi(argv[1]));
  std::vector<TStart> starts;
  try {
    for (int i = 0; i < runs; ++i) starts.push_back(StartOnce(argv + 2));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  std::vector<double> wall, cpu;
  for (size_t i = 1; i < starts.size(); ++i) {
    wall.push_back(starts[i].Milliseconds);
    cpu.push_back(starts[i].CpuMilliseconds);
  }
  std::string command;
  for (int i = 2; i < argc; ++i) command += (i > 2 ? " " : "") + std::string(argv[i]);
  std::printf("%s: to its %s; %d libraries, peak memory %.1f MiB; load average %s\n", command.c_str(),
              starts[0].Moment == "window" ? "first window" : "end", starts.back().Libraries,
              starts.back().PeakMiB, BenchFiles::LoadAverage().c_str());
  std::printf("| run | real ms | CPU ms |\n|---|---:|---:|\n");
  std::printf("| first | %.1f | %.1f |\n", starts[0].Milliseconds, starts[0].CpuMilliseconds);
  std::printf("| median of the next %zu | %.1f | %.1f |\n", wall.size(), Median(wall), Median(cpu));
  return 0;
}
