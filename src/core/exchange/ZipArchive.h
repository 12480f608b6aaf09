#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Zip archives held in memory, for content packages. Reading is bounded so
// that a small hostile archive cannot claim all memory: too many entries, an
// entry or a whole that unpacks too large, make the archive unreadable.
namespace ZipArchive {

struct TEntry {
  std::string Name;  // the path inside the archive, '/' separated
  std::string Bytes;
};

inline constexpr std::size_t MaxEntries = 10000;
inline constexpr std::size_t MaxEntryBytes = 64u << 20;
inline constexpr std::size_t MaxTotalBytes = 256u << 20;

// Every file entry (folders left out), in archive order. Throws TFormatError
// naming the entry for a damaged archive or one beyond the bounds.
std::vector<TEntry> Read(std::string_view bytes);

// A deflated archive of the entries, in the order given.
std::string Write(const std::vector<TEntry>& entries);

}  // namespace ZipArchive
