#pragma once

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

// A file system mounted on a folder for one test, unmounted when it ends:
// a small tmpfs (a disk that fills), or a folder bound again read-only (a
// mount that may not be written). Mounting needs root; Reason says why it
// failed, for the test to skip with.
class TScratchMount {
public:
  // A tmpfs of size bytes on folder (made when missing).
  static TScratchMount Tmpfs(const std::string& folder, std::size_t size) {
    std::filesystem::create_directories(folder);
    TScratchMount mount(folder);
    const std::string options = "size=" + std::to_string(size);
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0)
      mount.Mounted = true;
    else
      mount.Reason = std::strerror(errno);
    return mount;
  }
  // source again on folder, read-only.
  static TScratchMount ReadOnly(const std::string& source, const std::string& folder) {
    std::filesystem::create_directories(folder);
    TScratchMount mount(folder);
    if (::mount(source.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
      mount.Reason = std::strerror(errno);
      return mount;
    }
    mount.Mounted = true;
    if (::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
      mount.Reason = std::strerror(errno);
    return mount;
  }

  TScratchMount(TScratchMount&& other) noexcept
      : Folder(other.Folder), Reason(other.Reason), Mounted(other.Mounted) {
    other.Mounted = false;
  }
  TScratchMount& operator=(TScratchMount&&) = delete;
  ~TScratchMount() {
    if (Mounted) ::umount2(Folder.c_str(), MNT_DETACH);
  }

  bool Ready() const { return Mounted && Reason.empty(); }

  std::string Folder;
  std::string Reason;  // empty when mounted

private:
  explicit TScratchMount(std::string folder) : Folder(std::move(folder)) {}
  bool Mounted = false;
};
