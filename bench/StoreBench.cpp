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

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
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
  std::string BigUtf8Test;  // the same size, in four other scripts
  std::vector<std::string> FolderFiles;
  std::vector<std::pair<std::string, std::string>> Lookups;  // (section, key) in random order
  // Every key of the big test with a changed value, then with its own value:
  // saving them in turn changes every value every time.
  struct TChange {
    std::string Section, Key, Value;
  };
  std::vector<TChange> Changes[2];
  std::string PlainValues;                // every plain value of the big test, joined
  std::string CipherValues;               // the plain values enciphered as one text
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
  work.BigUtf8Test = (work.Folder / "big-utf8.qwt").string();
  BenchFiles::GenerateTest(work.BigUtf8Test, BigTestQuestions, 1, true);
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
      work.PlainValues += Decrypt(stored);
    }
  }
  work.CipherValues = Encrypt(work.PlainValues);
  std::mt19937 random(7);
  for (int i = 0; i < RandomLookups; ++i) work.Lookups.push_back(all[random() % all.size()]);
}

// ---------------------------------------------------------------------------
// Each row's work as one run on the file it is given. A row that writes gets
// a copy of the big test of its own, so what it writes never reaches another
// row's input.

// open: load and read every value of every section, each store through its
// own way of going over a section (in place, no copy, in all three); then the
// same reading every value by its key

void OpenFloor(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<std::string_view> lines;  // a fresh list, as every open needs
  SplitLines(bytes, lines);
  benchmark::DoNotOptimize(lines.data());
}

size_t ValueSize(std::string_view line) {
  const size_t equals = line.find('=');
  return equals == std::string_view::npos ? 0 : line.size() - equals - 1;
}

void OpenOurs(const std::string& path) {
  TIniStore store(path);
  TStrings sections;
  store.ReadSections(sections);
  size_t total = 0;
  for (const std::string& section : sections)
    store.ForEachLine(section, [&](std::string_view line) { total += ValueSize(line); });
  benchmark::DoNotOptimize(total);
}

void OpenSimpleIni(const std::string& path) {
  CSimpleIniA ini;
  ini.LoadFile(path.c_str());
  CSimpleIniA::TNamesDepend sections;
  ini.GetAllSections(sections);
  size_t total = 0;
  for (const auto& section : sections)
    for (const auto& [key, value] : *ini.GetSection(section.pItem)) total += std::strlen(value);
  benchmark::DoNotOptimize(total);
}

void OpenByKeyOurs(const std::string& path) {
  TIniStore store(path);
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

void OpenByKeySimpleIni(const std::string& path) {
  CSimpleIniA ini;
  ini.LoadFile(path.c_str());
  CSimpleIniA::TNamesDepend sections, keys;
  ini.GetAllSections(sections);
  size_t total = 0;
  for (const auto& section : sections) {
    ini.GetAllKeys(section.pItem, keys);
    for (const auto& key : keys) total += std::strlen(ini.GetValue(section.pItem, key.pItem, ""));
  }
  benchmark::DoNotOptimize(total);
}

// save: load, change every value (the new values held in memory, as an editor
// holds them), write

void SaveFloor(const std::string& path, bool durable) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<std::string_view> lines;  // a fresh list, as every open needs
  SplitLines(bytes, lines);
  WriteFileBytes(path, bytes, durable);
}

// Every value changes on each save: the changed values and the stored ones
// take turns.
void SaveOurs(const std::string& path) {
  static size_t round = 0;
  TIniStore store(path);
  for (const auto& change : Work().Changes[round++ % 2])
    store.WriteString(change.Section, change.Key, change.Value);
  store.UpdateFile();
}

// SimpleIni writes its own line ends and drops the message lines, so its copy
// is put back before each save.
void SaveSimpleIni(const std::string& path) {
  CSimpleIniA ini;
  ini.SetSpaces(false);
  ini.LoadFile(path.c_str());
  for (const auto& change : Work().Changes[0])
    ini.SetValue(change.Section.c_str(), change.Key.c_str(), change.Value.c_str());
  ini.SaveFile(path.c_str());
}

// catalogue: SETTINGS/DESC of every file of a folder

void CatalogueFloor() {
  for (const std::string& path : Work().FolderFiles) {
    const std::string bytes = ReadFileBytes(path);
    std::vector<std::string_view> lines;
    SplitLines(bytes, lines);
    benchmark::DoNotOptimize(lines.data());
  }
}

void CatalogueOurs() {
  size_t listed = 0;
  for (const std::string& path : Work().FolderFiles)
    listed += TestFile::IsListable(Decrypt(TestFile::ReadStoredDescription(path)));
  benchmark::DoNotOptimize(listed);
}

void CatalogueSimpleIni() {
  size_t listed = 0;
  for (const std::string& path : Work().FolderFiles) {
    CSimpleIniA ini;
    ini.LoadFile(path.c_str());
    listed += TestFile::IsListable(Decrypt(ini.GetValue("SETTINGS", "DESC", "")));
  }
  benchmark::DoNotOptimize(listed);
}

// random lookups in a test loaded beforehand; each finds the value in place,
// no copy

struct TLoaded {
  TIniStore Store{Work().BigTest};
  // The plainest table: exact-case maps of sections and keys.
  std::unordered_map<std::string, std::unordered_map<std::string, std::string_view>> Table;
  CSimpleIniA SimpleIni;
  TLoaded() {
    for (const auto& [section, key] : Work().Lookups) Store.ReadValue(section, key, Table[section][key]);
    SimpleIni.LoadFile(Work().BigTest.c_str());
  }
};

TLoaded& Loaded() {
  static TLoaded loaded;
  return loaded;
}

void LookupsFloor() {
  size_t total = 0;
  for (const auto& [section, key] : Work().Lookups) {
    const auto found = Loaded().Table.find(section);
    const auto value = found->second.find(key);
    total += value->second.size();
  }
  benchmark::DoNotOptimize(total);
}

void LookupsOurs() {
  size_t total = 0;
  std::string_view value;
  for (const auto& [section, key] : Work().Lookups)
    total += Loaded().Store.ReadValue(section, key, value) ? value.size() : 0;
  benchmark::DoNotOptimize(total);
}

void LookupsSimpleIni() {
  size_t total = 0;
  for (const auto& [section, key] : Work().Lookups)
    total += std::strlen(Loaded().SimpleIni.GetValue(section.c_str(), key.c_str(), ""));
  benchmark::DoNotOptimize(total);
}

// the question editor's load (deciphering) and save (enciphering)

constexpr std::string_view QuestionKeys[] = {
    "QUESTION",          "A",         "B",      "C",       "D", "E", "F", "CORRECT", "ANY", "HOTLINK",
    "HOTLINKPARAMETERS", "REFERENCE", "MMEDIA", "MMEDIAIN"};

// The editor's own load, QuestionSet::LoadQuestions, every value deciphered,
// into a fresh set as on the editor's first opening in a run. The set is made
// and dropped outside the timing, as the maker makes it once.
std::unique_ptr<QuestionSet> FreshSet;

void ReadQuestionsOurs(const std::string& path) {
  FreshSet->LoadQuestions(path);
  benchmark::DoNotOptimize(FreshSet->QuestionCount);
}

// The same into the set of the last load, whose strings are reused: the
// editor opened again in the same run.
void ReadQuestionsAgainOurs(const std::string& path) {
  static QuestionSet questions;
  questions.LoadQuestions(path);
  benchmark::DoNotOptimize(questions.QuestionCount);
}

void ReadQuestionsSimpleIni(const std::string& path) {
  CSimpleIniA ini;
  ini.LoadFile(path.c_str());
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

const std::vector<QuestionRecord>& LoadedQuestions() {
  static const std::vector<QuestionRecord> questions = [] {
    TIniStore store(Work().BigTest);
    TQuestionNumbering numbering;
    return ReadQuestions(store, numbering);
  }();
  return questions;
}

void WriteQuestionsFloor(const std::string& path, bool durable) {
  static const std::string bytes = ReadFileBytes(Work().BigTest);
  WriteFileBytes(path, bytes, durable);
}

// The editor's own save: QuestionSet::SaveQuestions, every value enciphered,
// stale question sections removed, the file replaced atomically.
void WriteQuestionsOurs(const std::string& path) {
  static const auto questions = [] {
    auto set = std::make_unique<QuestionSet>();
    set->LoadQuestions(Work().BigTest);
    return set;
  }();
  questions->SaveQuestions(path);
}

void WriteQuestionsSimpleIni(const std::string& path) {
  const auto& questions = LoadedQuestions();
  CSimpleIniA ini;
  ini.SetSpaces(false);
  ini.LoadFile(path.c_str());
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
  ini.SaveFile(path.c_str());
}

// hostile files: a load, a read of the description and a catalogue look

void HostileOurs(const std::string& path) {
  TIniStore store(path);
  std::string_view value;
  benchmark::DoNotOptimize(store.ReadValue("SETTINGS", "DESC", value));
  benchmark::DoNotOptimize(TestFile::ReadStoredDescription(path));
}

// the cipher alone

void CipherEncode() {
  benchmark::DoNotOptimize(Encrypt(Work().PlainValues));
}

void CipherDecode() {
  benchmark::DoNotOptimize(Decrypt(Work().CipherValues));
}

// ---------------------------------------------------------------------------
// the rows, their first runs and the table

// One row's work: Run is timed; Reset, where given, runs before each run
// outside the timing.
struct TOperation {
  std::string Name;
  std::function<void()> Run;
  std::function<void()> Reset;
  size_t Bytes = 0;  // processed per run, for a rate
};

std::vector<TOperation>& Operations() {
  static std::vector<TOperation> operations;
  return operations;
}

// A copy of the big test for the row name alone.
std::string OwnCopy(std::string name) {
  std::replace(name.begin(), name.end(), '/', '-');
  const std::filesystem::path path = Work().Folder / (name + ".qwt");
  std::filesystem::copy_file(Work().BigTest, path, std::filesystem::copy_options::overwrite_existing);
  return path.string();
}

// The copy put back as it was, before each run of a row that changes its shape.
std::function<void()> PutBack(const std::string& copy) {
  return [copy] {
    std::filesystem::copy_file(Work().BigTest, copy, std::filesystem::copy_options::overwrite_existing);
  };
}

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
      TMedian& median = Medians[run.run_name.function_name];
      median.Seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      median.CpuSeconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      const auto rate = run.counters.find("bytes_per_second");
      if (rate != run.counters.end()) median.BytesPerSecond = rate->second;
    }
  }

  std::map<std::string, TMedian> Medians;
};

void Register(TOperation operation) {
  Operations().push_back(operation);
  benchmark::RegisterBenchmark(
      operation.Name.c_str(),
      [operation](benchmark::State& state) {
        for (auto _ : state) {
          if (operation.Reset) {
            state.PauseTiming();
            operation.Reset();
            state.ResumeTiming();
          }
          operation.Run();
        }
        if (operation.Bytes)
          state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * operation.Bytes));
      })
      ->Repetitions(11)
      ->ReportAggregatesOnly(true)
      ->MinTime(0.05)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
}

struct TFirstTime {
  double Seconds = 0;
  double CpuSeconds = 0;
};

// The first run of every row, in the order registered, before any row has run
// twice: what a user meets on the first opening in a run of the program.
std::map<std::string, TFirstTime> FirstRuns() {
  std::map<std::string, TFirstTime> firsts;
  for (const TOperation& operation : Operations()) {
    if (operation.Reset) operation.Reset();
    const double cpuStart = BenchFiles::ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    operation.Run();
    firsts[operation.Name] = {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                              BenchFiles::ProcessCpuSeconds() - cpuStart};
  }
  return firsts;
}

void PrintTable(const std::map<std::string, TMedian>& medians,
                const std::map<std::string, TFirstTime>& firsts) {
  const auto time = [&](const std::string& name) {
    const auto found = medians.find(name);
    return found == medians.end() ? 0.0 : found->second.Seconds * 1e6;
  };
  const auto cpuTime = [&](const std::string& name) {
    const auto found = medians.find(name);
    return found == medians.end() ? 0.0 : found->second.CpuSeconds * 1e6;
  };
  const auto first = [&](const std::string& name) {
    const auto found = firsts.find(name);
    return found == firsts.end() ? TFirstTime{}
                                 : TFirstTime{found->second.Seconds * 1e6, found->second.CpuSeconds * 1e6};
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
      {"  same, into the last load's set", "read_questions_again", "open/floor", 0},
      {"write 500 questions (atomic, fsync)", "write_questions", "write_questions/floor/0", 0},
      {"  same, floor with fsync", "write_questions", "write_questions/floor/1", 0},
  };
  std::printf(
      "\nMedians of 11 runs in random order, microseconds of real time; ratios to the floor's median\n"
      "of the same run (the CPU columns compare processor time, steadier on a busy machine). The\n"
      "first run is each row's first in this process, before any row ran twice.\n");
  std::printf("Folder: %s (%s); %ld cores, %s; load average %s\n", Work().Folder.c_str(),
              BenchFiles::FileSystemType(Work().Folder.string()).c_str(), ::sysconf(_SC_NPROCESSORS_ONLN),
              BenchFiles::CpuModel().c_str(), BenchFiles::LoadAverage().c_str());
  std::printf(
      "Our saves write a temporary file, flush it to disk and rename it; SimpleIni and the\n"
      "first floor overwrite the file without flushing.\n\n");
  std::printf(
      "| operation | floor | ours | SimpleIni | ours / floor | SimpleIni / floor | ours / floor, CPU | "
      "ours, first run | first run / floor, CPU | target |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const TRow& row : rows) {
    const double floor = time(row.Floor);
    const std::string ours = std::string(row.Name) + "/ours";
    const double simple = time(std::string(row.Name) + "/simpleini");
    char target[16] = "-";
    if (row.Target > 0) std::snprintf(target, sizeof target, "<= %g", row.Target);
    // A row without SimpleIni's side leaves its cells empty.
    char simpleTime[16] = "", simpleRatio[16] = "";
    if (simple > 0) {
      std::snprintf(simpleTime, sizeof simpleTime, "%.0f", simple);
      std::snprintf(simpleRatio, sizeof simpleRatio, "%.2f", simple / floor);
    }
    std::printf("| %s | %.0f | %.0f | %s | %.2f | %s | %.2f | %.0f | %.2f | %s |\n", row.Label, floor,
                time(ours), simpleTime, time(ours) / floor, simpleRatio, cpuTime(ours) / cpuTime(row.Floor),
                first(ours).Seconds, first(ours).CpuSeconds / cpuTime(row.Floor), target);
  }
  for (size_t shape = 0; shape < std::size(HostileShapes); ++shape) {
    const std::string name = "hostile/ours/" + std::to_string(shape);
    std::printf("| 10 MB file, %s | | %.0f | | | | | %.0f | | < 1,000,000 |\n", HostileShapes[shape],
                time(name), first(name).Seconds);
  }
  for (const char* name : {"cipher/encode", "cipher/decode"}) {
    const auto found = medians.find(name);
    if (found != medians.end())
      std::printf("| %s | | %.0f MB/s of plain text | | | | | | | |\n", name,
                  found->second.BytesPerSecond / 1e6);
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
  // flushing where it writes), our store and SimpleIni at one job; the rows
  // that write each write a copy of their own.
  const std::string& big = Work().BigTest;
  const auto on = [](void (*run)(const std::string&), const std::string& path) {
    return [run, path] { run(path); };
  };
  const auto flushing = [](void (*run)(const std::string&, bool), const std::string& path, bool durable) {
    return [run, path, durable] { run(path, durable); };
  };
  Register({"open/floor", on(OpenFloor, big)});
  Register({"open/ours", on(OpenOurs, big)});
  Register({"open/simpleini", on(OpenSimpleIni, big)});
  Register({"open_by_key/ours", on(OpenByKeyOurs, big)});
  Register({"open_by_key/simpleini", on(OpenByKeySimpleIni, big)});
  for (const bool durable : {false, true}) {
    const std::string name = std::string("save/floor/") + (durable ? "1" : "0");
    Register({name, flushing(SaveFloor, OwnCopy(name), durable)});
  }
  Register({"save/ours", on(SaveOurs, OwnCopy("save/ours"))});
  const std::string simpleSave = OwnCopy("save/simpleini");
  Register({"save/simpleini", on(SaveSimpleIni, simpleSave), PutBack(simpleSave)});
  Register({"catalogue/floor", CatalogueFloor});
  Register({"catalogue/ours", CatalogueOurs});
  Register({"catalogue/simpleini", CatalogueSimpleIni});
  Register({"lookups/floor", LookupsFloor});
  Register({"lookups/ours", LookupsOurs});
  Register({"lookups/simpleini", LookupsSimpleIni});
  Register({"read_questions/ours", on(ReadQuestionsOurs, big),
            [] { FreshSet = std::make_unique<QuestionSet>(); }});
  Register({"read_questions/ours_utf8", on(ReadQuestionsOurs, Work().BigUtf8Test),
            [] { FreshSet = std::make_unique<QuestionSet>(); }});
  Register({"read_questions_again/ours", on(ReadQuestionsAgainOurs, big)});
  Register({"read_questions/simpleini", on(ReadQuestionsSimpleIni, big)});
  for (const bool durable : {false, true}) {
    const std::string name = std::string("write_questions/floor/") + (durable ? "1" : "0");
    Register({name, flushing(WriteQuestionsFloor, OwnCopy(name), durable)});
  }
  Register({"write_questions/ours", on(WriteQuestionsOurs, OwnCopy("write_questions/ours"))});
  const std::string simpleWrite = OwnCopy("write_questions/simpleini");
  Register({"write_questions/simpleini", on(WriteQuestionsSimpleIni, simpleWrite), PutBack(simpleWrite)});
  for (size_t shape = 0; shape < std::size(HostileShapes); ++shape)
    Register({"hostile/ours/" + std::to_string(shape), on(HostileOurs, Work().HostileFiles[shape])});
  Register({"cipher/encode", CipherEncode, nullptr, Work().PlainValues.size()});
  Register({"cipher/decode", CipherDecode, nullptr, Work().PlainValues.size()});

  const std::map<std::string, TFirstTime> firsts = FirstRuns();
  TMedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintTable(reporter.Medians, firsts);
  std::filesystem::remove_all(Work().Folder);
  benchmark::Shutdown();
}
