// The storage core against SimpleIni and against the floor, on generated
// tests: one process, one table of medians at the end.
//
//   QUIZWELL_BENCH_DIR=/dev/shm build-bench/bench/quizwell_bench
//
// The folder defaults to the system's temporary folder; the table says which
// file system it is on, since a save includes flushing the file to disk.

#include <SimpleIni.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <unordered_map>

#include "BenchFiles.h"
#include "core/model/QuestionReading.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"

namespace {

using BenchFiles::ReadFileBytes;
using BenchFiles::SplitLines;
using BenchFiles::WriteFileBytes;

constexpr int BigTestQuestions = 500;
constexpr int FolderTests = 100;
constexpr int FolderTestQuestions = 50;
constexpr int RandomLookups = 10000;

struct TWorkspace {
  std::filesystem::path Folder;
  std::string BigTest;
  std::vector<std::string> FolderFiles;
  std::vector<std::pair<std::string, std::string>> Lookups;  // (section, key) in random order
  // Every key of the big test with a changed value, then with its own value:
  // saving them in turn changes every value every time.
  struct TChange {
    std::string Section, Key, Value;
  };
  std::vector<TChange> Changes[2];
  std::string PlainValues;  // every plain value of the big test, joined
  std::string CipherValues;
  std::vector<std::string> HostileFiles;  // 10 MB each, see HostileShapes
};

// Files shaped to make a careless loader quadratic: one header over and
// over, one numbered question header over and over, one key over and over,
// and one line without a break.
constexpr const char* HostileShapes[] = {"[S] repeated", "[QA1] and a key repeated", "one key repeated",
                                         "one unbroken line"};
constexpr size_t HostileSize = 10u << 20;

TWorkspace& Work() {
  static TWorkspace work;
  return work;
}

// A value that differs from the stored one, so that every write changes its line.
// Appends the key of every line of section ("" for a line without '=').
void AppendKeys(TIniStore& store, std::string_view section, TStrings& keys) {
  store.ForEachLine(section, [&](std::string_view line) {
    const size_t equals = line.find('=');
    keys.emplace_back(equals == std::string_view::npos ? std::string_view() : line.substr(0, equals));
  });
}

std::string Changed(std::string value) {
  if (!value.empty()) value[0] = value[0] == 'A' ? 'B' : 'A';
  return value;
}

void Prepare() {
  TWorkspace& work = Work();
  const char* base = std::getenv("QUIZWELL_BENCH_DIR");
  work.Folder = std::filesystem::path(base ? base : std::filesystem::temp_directory_path().string()) /
                ("quizwell-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(work.Folder / "catalogue");
  work.BigTest = (work.Folder / "big.qwt").string();
  BenchFiles::GenerateTest(work.BigTest, BigTestQuestions, 1);
  for (int i = 0; i < FolderTests; ++i) {
    work.FolderFiles.push_back((work.Folder / "catalogue" / ("test" + std::to_string(i) + ".qwt")).string());
    BenchFiles::GenerateTest(work.FolderFiles.back(), FolderTestQuestions, 100 + i);
  }

  const std::string units[] = {"[S]\r\n", "[QA1]\r\nQUESTION=x\r\n", "K=value\r\n", "x"};
  for (size_t shape = 0; shape < std::size(units); ++shape) {
    std::string bytes = shape == 2 ? "[S]\r\n" : "";
    while (bytes.size() < HostileSize) bytes += units[shape];
    work.HostileFiles.push_back((work.Folder / ("hostile" + std::to_string(shape) + ".qwt")).string());
    WriteFileBytes(work.HostileFiles.back(), bytes, false);
  }

  TIniStore store(work.BigTest);
  TStrings sections;
  store.ReadSections(sections);
  std::vector<std::pair<std::string, std::string>> all;
  for (const std::string& section : sections) {
    TStrings keys;
    AppendKeys(store, section, keys);
    for (const std::string& key : keys) {
      if (key.empty()) continue;  // message lines
      all.emplace_back(section, key);
      const std::string stored = store.ReadString(section, key, "");
      work.Changes[0].push_back({section, key, Changed(stored)});
      work.Changes[1].push_back({section, key, stored});
      work.CipherValues += stored;
      work.PlainValues += Decrypt(stored);
    }
  }
  std::mt19937 random(7);
  for (int i = 0; i < RandomLookups; ++i) work.Lookups.push_back(all[random() % all.size()]);
}

// ---------------------------------------------------------------------------
// open: load and read every value of every section, each store through its
// own way of going over a section (in place, no copy, in all three); then the
// same reading every value by its key

void OpenFloor(benchmark::State& state) {
  for (auto _ : state) {
    const std::string bytes = ReadFileBytes(Work().BigTest);
    std::vector<std::string_view> lines;  // a fresh list, as every open needs
    SplitLines(bytes, lines);
    benchmark::DoNotOptimize(lines.data());
  }
}

size_t ValueSize(std::string_view line) {
  const size_t equals = line.find('=');
  return equals == std::string_view::npos ? 0 : line.size() - equals - 1;
}

void OpenOurs(benchmark::State& state) {
  for (auto _ : state) {
    TIniStore store(Work().BigTest);
    TStrings sections;
    store.ReadSections(sections);
    size_t total = 0;
    for (const std::string& section : sections)
      store.ForEachLine(section, [&](std::string_view line) { total += ValueSize(line); });
    benchmark::DoNotOptimize(total);
  }
}

void OpenSimpleIni(benchmark::State& state) {
  for (auto _ : state) {
    CSimpleIniA ini;
    ini.LoadFile(Work().BigTest.c_str());
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    size_t total = 0;
    for (const auto& section : sections)
      for (const auto& [key, value] : *ini.GetSection(section.pItem)) total += std::strlen(value);
    benchmark::DoNotOptimize(total);
  }
}

void OpenByKeyOurs(benchmark::State& state) {
  for (auto _ : state) {
    TIniStore store(Work().BigTest);
    TStrings sections, keys;
    store.ReadSections(sections);
    size_t total = 0;
    for (const std::string& section : sections) {
      keys.clear();
      AppendKeys(store, section, keys);
      std::string_view value;
      for (const std::string& key : keys) total += store.ReadValue(section, key, value) ? value.size() : 0;
    }
    benchmark::DoNotOptimize(total);
  }
}

void OpenByKeySimpleIni(benchmark::State& state) {
  for (auto _ : state) {
    CSimpleIniA ini;
    ini.LoadFile(Work().BigTest.c_str());
    CSimpleIniA::TNamesDepend sections, keys;
    ini.GetAllSections(sections);
    size_t total = 0;
    for (const auto& section : sections) {
      ini.GetAllKeys(section.pItem, keys);
      for (const auto& key : keys) total += std::strlen(ini.GetValue(section.pItem, key.pItem, ""));
    }
    benchmark::DoNotOptimize(total);
  }
}

// ---------------------------------------------------------------------------
// save: load, change every value (the new values held in memory, as an editor
// holds them), write

void SaveFloor(benchmark::State& state) {
  for (auto _ : state) {
    const std::string bytes = ReadFileBytes(Work().BigTest);
    std::vector<std::string_view> lines;  // a fresh list, as every open needs
    SplitLines(bytes, lines);
    WriteFileBytes(Work().BigTest, bytes, state.range(0) != 0);
  }
}

void SaveOurs(benchmark::State& state) {
  size_t round = 0;
  for (auto _ : state) {
    TIniStore store(Work().BigTest);
    for (const auto& change : Work().Changes[round++ % 2])
      store.WriteString(change.Section, change.Key, change.Value);
    store.UpdateFile();
  }
}

void SaveSimpleIni(benchmark::State& state) {
  size_t round = 0;
  for (auto _ : state) {
    CSimpleIniA ini;
    ini.SetSpaces(false);
    ini.LoadFile(Work().BigTest.c_str());
    for (const auto& change : Work().Changes[round++ % 2])
      ini.SetValue(change.Section.c_str(), change.Key.c_str(), change.Value.c_str());
    ini.SaveFile(Work().BigTest.c_str());
  }
}

// ---------------------------------------------------------------------------
// catalogue: SETTINGS/DESC of every file of a folder

void CatalogueFloor(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& path : Work().FolderFiles) {
      const std::string bytes = ReadFileBytes(path);
      std::vector<std::string_view> lines;
      SplitLines(bytes, lines);
      benchmark::DoNotOptimize(lines.data());
    }
  }
}

void CatalogueOurs(benchmark::State& state) {
  for (auto _ : state) {
    size_t listed = 0;
    for (const std::string& path : Work().FolderFiles)
      listed += TestFile::IsListable(Decrypt(TestFile::ReadStoredDescription(path)));
    benchmark::DoNotOptimize(listed);
  }
}

void CatalogueSimpleIni(benchmark::State& state) {
  for (auto _ : state) {
    size_t listed = 0;
    for (const std::string& path : Work().FolderFiles) {
      CSimpleIniA ini;
      ini.LoadFile(path.c_str());
      listed += TestFile::IsListable(Decrypt(ini.GetValue("SETTINGS", "DESC", "")));
    }
    benchmark::DoNotOptimize(listed);
  }
}

// ---------------------------------------------------------------------------
// random lookups in a loaded test; each finds the value in place, no copy

void LookupsFloor(benchmark::State& state) {
  // The plainest table: exact-case maps of sections and keys.
  TIniStore store(Work().BigTest);
  std::unordered_map<std::string, std::unordered_map<std::string, std::string_view>> table;
  for (const auto& [section, key] : Work().Lookups) store.ReadValue(section, key, table[section][key]);
  for (auto _ : state) {
    size_t total = 0;
    for (const auto& [section, key] : Work().Lookups) {
      const auto found = table.find(section);
      const auto value = found->second.find(key);
      total += value->second.size();
    }
    benchmark::DoNotOptimize(total);
  }
}

void LookupsOurs(benchmark::State& state) {
  TIniStore store(Work().BigTest);
  for (auto _ : state) {
    size_t total = 0;
    std::string_view value;
    for (const auto& [section, key] : Work().Lookups)
      total += store.ReadValue(section, key, value) ? value.size() : 0;
    benchmark::DoNotOptimize(total);
  }
}

void LookupsSimpleIni(benchmark::State& state) {
  CSimpleIniA ini;
  ini.LoadFile(Work().BigTest.c_str());
  for (auto _ : state) {
    size_t total = 0;
    for (const auto& [section, key] : Work().Lookups)
      total += std::strlen(ini.GetValue(section.c_str(), key.c_str(), ""));
    benchmark::DoNotOptimize(total);
  }
}

// ---------------------------------------------------------------------------
// the question editor's load (deciphering) and save (enciphering)

constexpr std::string_view QuestionKeys[] = {
    "QUESTION",          "A",         "B",      "C",       "D", "E", "F", "CORRECT", "ANY", "HOTLINK",
    "HOTLINKPARAMETERS", "REFERENCE", "MMEDIA", "MMEDIAIN"};

// The editor's own load: QuestionSet::LoadQuestions, every value deciphered.
void ReadQuestionsOurs(benchmark::State& state) {
  QuestionSet questions;
  for (auto _ : state) {
    questions.LoadQuestions(Work().BigTest);
    benchmark::DoNotOptimize(questions.QuestionCount);
  }
}

void ReadQuestionsSimpleIni(benchmark::State& state) {
  for (auto _ : state) {
    CSimpleIniA ini;
    ini.LoadFile(Work().BigTest.c_str());
    std::vector<std::vector<std::string>> questions;
    for (int n = 1; n <= TestFile::MaxQuestionCount; ++n) {
      const std::string section = TestFile::QuestionSection(n);
      if (*ini.GetValue(section.c_str(), "QUESTION", "") == '\0') break;
      auto& values = questions.emplace_back();
      for (const auto key : QuestionKeys)
        values.push_back(Decrypt(ini.GetValue(section.c_str(), key.data(), "")));
    }
    benchmark::DoNotOptimize(questions.data());
  }
}

std::vector<QuestionRecord> LoadedQuestions() {
  TIniStore store(Work().BigTest);
  TQuestionNumbering numbering;
  return ReadQuestions(store, numbering);
}

void WriteQuestionsFloor(benchmark::State& state) {
  const std::string bytes = ReadFileBytes(Work().BigTest);
  for (auto _ : state) WriteFileBytes(Work().BigTest, bytes, state.range(0) != 0);
}

// The editor's own save: QuestionSet::SaveQuestions, every value enciphered,
// stale question sections removed, the file replaced atomically.
void WriteQuestionsOurs(benchmark::State& state) {
  QuestionSet questions;
  questions.LoadQuestions(Work().BigTest);
  for (auto _ : state) questions.SaveQuestions(Work().BigTest);
}

void WriteQuestionsSimpleIni(benchmark::State& state) {
  const auto questions = LoadedQuestions();
  for (auto _ : state) {
    CSimpleIniA ini;
    ini.SetSpaces(false);
    ini.LoadFile(Work().BigTest.c_str());
    for (size_t i = 0; i < questions.size(); ++i) {
      const std::string section = TestFile::QuestionSection(static_cast<int>(i) + 1);
      const QuestionRecord& q = questions[i];
      const std::string values[] = {q.Question,
                                    q.AnswerA,
                                    q.AnswerB,
                                    q.AnswerC,
                                    q.AnswerD,
                                    q.AnswerE,
                                    q.AnswerF,
                                    q.Correct,
                                    q.AnyCorrectPasses ? "1" : "0",
                                    q.HotLink,
                                    q.HotLinkParameters,
                                    q.Reference,
                                    q.MediaFile,
                                    q.MMediaInternal ? "1" : "0"};
      for (size_t k = 0; k < std::size(QuestionKeys); ++k)
        ini.SetValue(section.c_str(), QuestionKeys[k].data(), Encrypt(values[k]).c_str());
    }
    ini.SaveFile(Work().BigTest.c_str());
  }
}

// ---------------------------------------------------------------------------
// hostile files: a load, a read of the description and a catalogue look

void HostileOurs(benchmark::State& state) {
  const std::string& path = Work().HostileFiles[static_cast<size_t>(state.range(0))];
  for (auto _ : state) {
    TIniStore store(path);
    std::string_view value;
    benchmark::DoNotOptimize(store.ReadValue("SETTINGS", "DESC", value));
    benchmark::DoNotOptimize(TestFile::ReadStoredDescription(path));
  }
}

// ---------------------------------------------------------------------------
// the cipher alone

void CipherEncode(benchmark::State& state) {
  const std::string& plain = Work().PlainValues;
  for (auto _ : state) benchmark::DoNotOptimize(Encrypt(plain));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
}

void CipherDecode(benchmark::State& state) {
  const std::string cipher = Encrypt(Work().PlainValues);
  for (auto _ : state) benchmark::DoNotOptimize(Decrypt(cipher));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Work().PlainValues.size()));
}

// ---------------------------------------------------------------------------
// the table

struct TMedian {
  double Seconds = 0;
  double CpuSeconds = 0;
  double BytesPerSecond = 0;
};

// Shows the usual output and keeps the median of every benchmark.
class TMedianReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
      std::string name = run.run_name.function_name;
      if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
      TMedian& median = Medians[name];
      median.Seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      median.CpuSeconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      const auto rate = run.counters.find("bytes_per_second");
      if (rate != run.counters.end()) median.BytesPerSecond = rate->second;
    }
  }

  std::map<std::string, TMedian> Medians;
};

void Register(const std::string& name, void (*function)(benchmark::State&), int64_t argument = -1) {
  auto* benchmark = benchmark::RegisterBenchmark(name.c_str(), function);
  if (argument >= 0) benchmark->Arg(argument);
  benchmark->Repetitions(11)
      ->ReportAggregatesOnly(true)
      ->MinTime(0.05)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
}

void PrintTable(const std::map<std::string, TMedian>& medians) {
  const auto time = [&](const std::string& name) {
    const auto found = medians.find(name);
    return found == medians.end() ? 0.0 : found->second.Seconds * 1e6;
  };
  const auto cpuTime = [&](const std::string& name) {
    const auto found = medians.find(name);
    return found == medians.end() ? 0.0 : found->second.CpuSeconds * 1e6;
  };
  struct TRow {
    const char* Label;
    const char* Name;
    const char* Floor;
    double Target;
  };
  const TRow rows[] = {
      {"open 500-question test", "open", "open/floor", 3},
      {"  same, every value by its key", "open_by_key", "open/floor", 0},
      {"save (atomic, fsync)", "save", "save/floor/0", 4},
      {"  same, floor with fsync", "save", "save/floor/1", 0},
      {"catalogue of 100 tests", "catalogue", "catalogue/floor", 1},
      {"10,000 random lookups", "lookups", "lookups/floor", 1.5},
      {"read 500 questions", "read_questions", "open/floor", 3},
      {"write 500 questions (atomic, fsync)", "write_questions", "write_questions/floor/0", 0},
      {"  same, floor with fsync", "write_questions", "write_questions/floor/1", 0},
  };
  std::printf(
      "\nMedians of 11 runs in random order, microseconds of real time; ratios to the floor of the\n"
      "same run (the CPU column compares processor time, steadier on a busy machine).\n");
  std::printf("Folder: %s (%s); %ld cores, %s; load average %s\n", Work().Folder.c_str(),
              BenchFiles::FileSystemType(Work().Folder.string()).c_str(), ::sysconf(_SC_NPROCESSORS_ONLN),
              BenchFiles::CpuModel().c_str(), BenchFiles::LoadAverage().c_str());
  std::printf(
      "Our saves write a temporary file, flush it to disk and rename it; SimpleIni and the\n"
      "first floor overwrite the file without flushing.\n\n");
  std::printf(
      "| operation | floor | ours | SimpleIni | ours / floor | SimpleIni / floor | ours / floor, CPU | "
      "target |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const TRow& row : rows) {
    const double floor = time(row.Floor);
    const double ours = time(std::string(row.Name) + "/ours");
    const double simple = time(std::string(row.Name) + "/simpleini");
    char target[16] = "-";
    if (row.Target > 0) std::snprintf(target, sizeof target, "<= %g", row.Target);
    const double cpuRatio = cpuTime(std::string(row.Name) + "/ours") / cpuTime(row.Floor);
    std::printf("| %s | %.0f | %.0f | %.0f | %.2f | %.2f | %.2f | %s |\n", row.Label, floor, ours, simple,
                ours / floor, simple / floor, cpuRatio, target);
  }
  for (size_t shape = 0; shape < std::size(HostileShapes); ++shape) {
    const double ours = time("hostile/ours/" + std::to_string(shape));
    std::printf("| 10 MB file, %s | | %.0f | | | | | < 1,000,000 |\n", HostileShapes[shape], ours);
  }
  for (const char* name : {"cipher/encode", "cipher/decode"}) {
    const auto found = medians.find(name);
    if (found != medians.end())
      std::printf("| %s | | %.0f MB/s of plain text | | | | | |\n", name, found->second.BytesPerSecond / 1e6);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Repetitions of all benchmarks run interleaved, so that a busy spell on a
  // shared machine falls on all of them alike.
  std::vector<char*> arguments(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleave.data());
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  Prepare();
  // Each family times the bare bytes (the floor, written with and without
  // flushing where it writes), our store and SimpleIni at one job.
  using TFunction = void (*)(benchmark::State&);
  const struct {
    const char* Family;
    TFunction Floor, Ours, SimpleIni;
    bool FloorFlushes;
  } families[] = {
      {"open", OpenFloor, OpenOurs, OpenSimpleIni, false},
      {"open_by_key", nullptr, OpenByKeyOurs, OpenByKeySimpleIni, false},
      {"save", SaveFloor, SaveOurs, SaveSimpleIni, true},
      {"catalogue", CatalogueFloor, CatalogueOurs, CatalogueSimpleIni, false},
      {"lookups", LookupsFloor, LookupsOurs, LookupsSimpleIni, false},
      {"read_questions", nullptr, ReadQuestionsOurs, ReadQuestionsSimpleIni, false},
      {"write_questions", WriteQuestionsFloor, WriteQuestionsOurs, WriteQuestionsSimpleIni, true},
  };
  for (const auto& family : families) {
    const std::string name = family.Family;
    if (family.Floor && family.FloorFlushes) {
      Register(name + "/floor", family.Floor, 0);
      Register(name + "/floor", family.Floor, 1);
    } else if (family.Floor) {
      Register(name + "/floor", family.Floor);
    }
    Register(name + "/ours", family.Ours);
    Register(name + "/simpleini", family.SimpleIni);
  }
  for (int64_t shape = 0; shape < static_cast<int64_t>(std::size(HostileShapes)); ++shape)
    Register("hostile/ours", HostileOurs, shape);
  Register("cipher/encode", CipherEncode);
  Register("cipher/decode", CipherDecode);

  TMedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintTable(reporter.Medians);
  std::filesystem::remove_all(Work().Folder);
  benchmark::Shutdown();
}
