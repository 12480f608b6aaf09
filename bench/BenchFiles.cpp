#include "BenchFiles.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/statfs.h>
#include <time.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <random>
#include <stdexcept>

#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/Utf8.h"

namespace BenchFiles {
namespace {

std::string Words(std::mt19937& random, size_t minLength, size_t maxLength, bool otherScripts) {
  static const char* const words[] = {"which",   "of",     "the",    "following", "is",
                                      "a",       "prime",  "number", "capital",   "river",
                                      "chapter", "review", "answer", "correct",   "value"};
  // Greek, Polish, Chinese and Arabic words, as many bytes of UTF-8 as the
  // English ones have letters, or more.
  static const char* const scripts[] = {"\xCE\xB1\xCF\x81\xCE\xB9\xCE\xB8\xCE\xBC\xCF\x8C\xCF\x82",
                                        "\xCF\x80\xCE\xBF\xCF\x84\xCE\xB1\xCE\xBC\xCF\x8C\xCF\x82",
                                        "rzeka",
                                        "\xC5\xBC\xC3\xB3\xC5\x82ty",
                                        "\xE9\xA6\x96\xE9\x83\xBD",
                                        "\xE7\xAD\x94\xE6\xA1\x88",
                                        "\xD9\x86\xD9\x87\xD8\xB1",
                                        "\xD8\xB9\xD8\xA7\xD8\xB5\xD9\x85\xD8\xA9"};
  const size_t length = minLength + random() % (maxLength - minLength + 1);
  std::string text;
  while (text.size() < length) {
    if (!text.empty()) text += ' ';
    text += otherScripts && random() % 2 ? scripts[random() % std::size(scripts)]
                                         : words[random() % std::size(words)];
  }
  // Cut at a character's start, never inside one.
  text.resize(Utf8::CharacterStart(text, length));
  return text;
}

}  // namespace

void GenerateTest(const std::string& path, int questions, unsigned seed, bool otherScripts) {
  std::mt19937 random(seed);
  ::unlink(path.c_str());
  TIniStore store(path);
  TestFile::TTestSave save(store);
  TestFile::WriteNewTest(save);
  save.Write(TestFile::Settings, TestFile::Desc, "Benchmark test " + std::to_string(seed));
  save.WriteLines(TestFile::BeginMessage, {"Welcome to the test.", "Take your time."});
  save.WriteLines(TestFile::EndMessage, {"Thank you."});
  for (int n = 1; n <= questions; ++n) {
    QuestionRecord record;
    record.Question = Words(random, 60, 120, otherScripts);
    for (int a = 0; a < 4; ++a) record.Answer(a) = Words(random, 8, 30, otherScripts);
    record.Correct = std::string(1, "ABCD"[n % 4]);
    record.Reference = Words(random, 5, 20, otherScripts);
    record.AnyCorrectPasses = n % 2 == 0;
    record.MMediaInternal = true;
    TestFile::WriteQuestion(save, n, record);
  }
  save.Finish();
  store.UpdateFile();
}

std::filesystem::path ScratchFolder(const std::string& name) {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("quizwell-" + name + "-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(path);
  return path;
}

int RunInFolder(int argc, char** argv, const std::filesystem::path& folder) {
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("filesystem", FileSystemType(folder.string()));
  benchmark::AddCustomContext("load", LoadAverage());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(folder);
  return 0;
}

double ProcessCpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::string ReadFileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  const off_t size = ::lseek(fd, 0, SEEK_END);
  ::lseek(fd, 0, SEEK_SET);
  std::string bytes(static_cast<size_t>(size), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

void SplitLines(std::string_view text, std::vector<std::string_view>& lines) {
  // The fastest honest split: memchr for the next CR and the next LF, each
  // searched again only once it has been passed.
  lines.clear();
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const auto next = [end](const char* from, char c) {
    const void* found = std::memchr(from, c, static_cast<size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  const char* cr = next(begin, '\r');
  const char* lf = next(begin, '\n');
  for (const char* start = begin; start < end;) {
    if (cr < start) cr = next(start, '\r');
    if (lf < start) lf = next(start, '\n');
    const char* stop = cr < lf ? cr : lf;
    lines.emplace_back(start, static_cast<size_t>(stop - start));
    start = stop + (stop == cr && lf == stop + 1 ? 2 : 1);
  }
}

void WriteFileBytes(const std::string& path, std::string_view bytes, bool durable) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw std::runtime_error("cannot create " + path);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote <= 0) throw std::runtime_error("cannot write " + path);
    done += static_cast<size_t>(wrote);
  }
  if (durable) ::fsync(fd);
  ::close(fd);
}

std::string FileSystemType(const std::string& path) {
  struct statfs info {};
  if (::statfs(path.c_str(), &info) != 0) return "unknown";
  switch (static_cast<unsigned long>(info.f_type)) {
    case 0x01021994:
      return "tmpfs";
    case 0xEF53:
      return "ext4";
    case 0x9123683E:
      return "btrfs";
    case 0x58465342:
      return "xfs";
    case 0x794C7630:
      return "overlayfs";
    default:
      return "other";
  }
}

std::string CpuModel() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line))
    if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
  return "unknown";
}

std::string LoadAverage() {
  std::ifstream loadavg("/proc/loadavg");
  std::string first;
  loadavg >> first;
  return first.empty() ? "unknown" : first;
}

}  // namespace BenchFiles
