#include "core/exchange/ZipArchive.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

#include "core/exchange/QuestionFormat.h"

namespace ZipArchive {
namespace {

struct TArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct TFileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

[[noreturn]] void Fail(const std::string& what) {
  throw TFormatError("not a readable zip archive: " + what);
}

std::string ErrorText(zip_error_t* error) {
  std::string text = zip_error_strerror(error);
  zip_error_fini(error);
  return text;
}

}  // namespace

std::vector<TEntry> Read(std::string_view bytes) {
  if (bytes.empty()) Fail("the file is empty");  // libzip would open it as an archive of nothing
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (!source) Fail(ErrorText(&error));
  std::unique_ptr<zip_t, TArchiveCloser> archive(
      zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!archive) {
    zip_source_free(source);
    Fail(ErrorText(&error));
  }
  zip_error_fini(&error);

  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count < 0 || static_cast<std::size_t>(count) > MaxEntries) Fail(std::to_string(count) + " entries");
  std::vector<TEntry> entries;
  std::size_t total = 0;
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    if (!name) Fail("entry " + std::to_string(i + 1) + " has no name");
    TEntry entry{name, {}};
    if (!entry.Name.empty() && entry.Name.back() == '/') continue;
    std::unique_ptr<zip_file_t, TFileCloser> file(
        zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0));
    if (!file) Fail("entry " + entry.Name + ": " + zip_strerror(archive.get()));
    // The sizes an archive declares are not trusted: read in pieces and stop
    // at the bounds.
    char buffer[65536];
    for (;;) {
      const zip_int64_t got = zip_fread(file.get(), buffer, sizeof buffer);
      if (got < 0) Fail("entry " + entry.Name + ": " + zip_file_strerror(file.get()));
      if (got == 0) break;
      entry.Bytes.append(buffer, static_cast<std::size_t>(got));
      total += static_cast<std::size_t>(got);
      if (entry.Bytes.size() > MaxEntryBytes || total > MaxTotalBytes)
        Fail("entry " + entry.Name + " unpacks too large");
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string Write(const std::vector<TEntry>& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (!target) throw std::runtime_error("zip: " + ErrorText(&error));
  zip_source_keep(target);
  std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(target, &zip_source_free);
  zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
  if (!archive) {
    zip_source_free(target);
    throw std::runtime_error("zip: " + ErrorText(&error));
  }
  zip_error_fini(&error);
  for (const TEntry& entry : entries) {
    zip_source_t* data = zip_source_buffer(archive, entry.Bytes.data(), entry.Bytes.size(), 0);
    if (!data || zip_file_add(archive, entry.Name.c_str(), data, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
      if (data) zip_source_free(data);
      const std::string what = zip_strerror(archive);
      zip_discard(archive);
      throw std::runtime_error("zip: " + entry.Name + ": " + what);
    }
  }
  if (zip_close(archive) < 0) {
    const std::string what = zip_strerror(archive);
    zip_discard(archive);
    throw std::runtime_error("zip: " + what);
  }
  std::string bytes;
  if (zip_source_open(target) < 0) throw std::runtime_error("zip: cannot read the archive back");
  char buffer[65536];
  for (;;) {
    const zip_int64_t got = zip_source_read(target, buffer, sizeof buffer);
    if (got <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  zip_source_close(target);
  return bytes;
}

}  // namespace ZipArchive
