#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Files shaped like real tests for the benchmarks, and the floor operations
// every store has to beat: reading the bytes and splitting them into lines,
// writing the same bytes.
namespace BenchFiles {

// Writes a test of the given number of questions with the store itself:
// settings, both messages, and questions whose texts vary in length like real
// ones (a 500-question test comes to about 0.5 MB and 8,000 lines). With
// otherScripts, half the words are Greek, Polish, Chinese or Arabic, so the
// test is stored as UTF-8.
void GenerateTest(const std::string& path, int questions, unsigned seed, bool otherScripts = false);

// A fresh folder "quizwell-<name>-bench-<process id>" in the temporary folder.
std::filesystem::path ScratchFolder(const std::string& name);

// Runs the registered benchmarks with the file system of folder and the load
// of the machine in their context, then removes folder. Returns main's status.
int RunInFolder(int argc, char** argv, const std::filesystem::path& folder);

// This process's processor time so far.
double ProcessCpuSeconds();

// A benchmark's first run in this process, before anything warmed it (what a
// user meets on the first opening in a run of a program), timed apart and
// shown beside the benchmark's median as the counters first_run_ms and
// first_run_cpu_ms (processor time, steadier on a busy machine).
class TFirstRun {
public:
  // Times run, if nothing was timed yet.
  template <class TRun>
  void Time(TRun&& run) {
    if (Seconds >= 0) return run();
    const double cpuStart = ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    run();
    Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    CpuSeconds = ProcessCpuSeconds() - cpuStart;
  }

  // The benchmark's loop: run once per iteration, the first timed apart.
  template <class TRun>
  void Loop(benchmark::State& state, TRun&& run) {
    for (auto _ : state) Time(run);
    state.counters["first_run_ms"] = Seconds * 1e3;
    state.counters["first_run_cpu_ms"] = CpuSeconds * 1e3;
  }

private:
  double Seconds = -1;
  double CpuSeconds = 0;
};

std::string ReadFileBytes(const std::string& path);
// Lines ending at CR, CR LF or LF, as views into text.
void SplitLines(std::string_view text, std::vector<std::string_view>& lines);
// Truncates and writes; durable adds an fsync before closing.
void WriteFileBytes(const std::string& path, std::string_view bytes, bool durable);

// "tmpfs", "ext4", ... for the file system holding path.
std::string FileSystemType(const std::string& path);
std::string CpuModel();
// The one-minute load average: how busy the machine was while measuring.
std::string LoadAverage();

}  // namespace BenchFiles
