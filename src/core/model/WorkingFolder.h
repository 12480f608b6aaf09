#pragma once

#include <string>

// Where the programs keep their tests and the engine's qwtest.cfg, and where
// the files installed with them lie. The maker and the engine both ask here,
// so they always agree on the folder.
namespace WorkingFolder {

// The folder name in the user's home used when the program folder cannot hold
// the tests.
inline constexpr const char* HomeFolderName = "Quizwell";

// Where the files installed with the programs lie, for a program in
// programFolder (no trailing separator): <prefix>/share/quizwell when the
// program sits in <prefix>/bin and that folder exists (an installed copy),
// otherwise the program folder itself (a build or an unpacked folder, which
// carries help/web and the sample tests beside the program). Never throws.
std::string DataFolder(const std::string& programFolder);

// True when the program runs from an installed layout (DataFolder differs
// from the program folder).
bool IsInstalled(const std::string& programFolder);

// The bundled web page page (a file name such as "tips.html"): in help/web of
// programFolder, the folder the program was handed (beside it in a build, or
// a test's own folder), else in help/web of DataFolder(executableFolder), the
// files installed with the running program, else the first of the two, which
// the browser then reports missing. Never throws.
std::string WebPage(const std::string& programFolder, const std::string& executableFolder,
                    const std::string& page);

struct TWorkingFolder {
  std::string Path;     // where tests are listed and made, no trailing separator
  bool InHome = false;  // true when it is the folder in the user's home
  int SamplesCopied = 0;
  // Why the program folder is used where the folder in the home was wanted
  // (no home known, the folder cannot be made, a file has its name); empty
  // when nothing fell back.
  std::string FallbackReason;
};

// The folder of the tests for a program in programFolder.
// - A program folder that is writable and not an installed layout is used as
//   it is; nothing is created or copied.
// - Otherwise home + "/Quizwell". When that folder does not exist it is made
//   (mode 0755) and every *.QWT file of samplesFolder is copied into it, each
//   written atomically; an existing folder is used as it is, so a sample the
//   user deleted stays deleted.
// A sample that cannot be copied is skipped (the folder is still usable).
// Throws TIoError naming the folder when it cannot be made; the caller may
// then fall back to the program folder.
TWorkingFolder Resolve(const std::string& programFolder, bool programFolderWritable, const std::string& home,
                       const std::string& samplesFolder);

// Resolve for this process: the program folder's writability as the system
// reports it, the home from $HOME (or the password database), the samples
// from DataFolder(programFolder) + "/examples" when installed. Never throws:
// when the home folder cannot be made the program folder is returned, with
// the reason in FallbackReason.
TWorkingFolder ForProgram(const std::string& programFolder);

}  // namespace WorkingFolder
