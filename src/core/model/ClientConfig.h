#pragma once

#include <string>
#include <string_view>

#include "core/storage/IniStore.h"

// The student engine's configuration file: one per installation, beside the
// maker's program file, applying to every test the engine runs. Values are
// plain text except the two passwords, which go through the value cipher.
namespace ClientFile {

inline constexpr std::string_view FileName = "qwtest.cfg";

// The sections: the settings and the about box's message lines; and our own
// section, which other engines skip, where the engine leaves an attempt it
// cannot store beside the tests.
inline constexpr std::string_view Settings = "SETTINGS", AboutMessage = "ABOUTMESSAGE", Results = "RESULTS";

// The keys of SETTINGS, in the order they are written, and RESULTS' key.
inline constexpr std::string_view Logo = "LOGO", CustomAbout = "CUSTOMABOUT", AboutWho = "ABOUTWHO",
                                  AboutUrl = "ABOUTURL", FullScreen = "FULLSCREEN", History = "HISTORY",
                                  OnExit = "ONEXIT", Folder = "FOLDER";

}  // namespace ClientFile

// The content of the configuration file, with the passwords in plain text.
// All texts are code-page bytes.
struct ClientConfig {
  std::string Logo;  // the logo bitmap; on saving only its file name is stored
  bool CustomAbout = false;
  std::string AboutWho;
  std::string AboutUrl;
  TStrings AboutMessage;  // the about box's message, one entry per shown line
  bool FullScreen = false;
  std::string HistoryPassword;  // empty: the test history is not locked
  std::string ExitPassword;     // empty: leaving the engine needs no password
  std::string ResultsFolder;    // a path (file system bytes); empty: none
};

// The configuration file of the program folder programFolder (no trailing
// separator needed). A file already there whose name equals "qwtest.cfg" apart
// from letter case (one brought over as QWTEST.CFG) is the one used, so a
// second file is never created beside it; the exact spelling wins when both
// exist. Otherwise programFolder + "/qwtest.cfg". Never throws: an unreadable
// folder gives the default name and the store reports the real problem.
std::string ClientConfigPath(const std::string& programFolder);

// Reads the file at path. A missing file, section or key gives the defaults
// (empty texts, false flags, no lines); a flag that is not a whole number is
// false. The about texts and message are read only when CUSTOMABOUT is true:
// otherwise they stay empty. A password that cannot be deciphered reads as
// BadDecode. The file is never changed or created.
// Throws TIoError when the file exists but cannot be read.
ClientConfig LoadClientConfig(const std::string& path);

// Writes every value of config to the file at path, creating it when missing:
// SETTINGS gets LOGO (the file name of config.Logo), CUSTOMABOUT, ABOUTWHO,
// ABOUTURL, then ABOUTMESSAGE is replaced by the message lines, then SETTINGS
// gets FULLSCREEN, HISTORY and ONEXIT (both enciphered). Keys already in the
// file keep their place; missing ones are added in this order. Texts are kept
// on one line each: line breaks and Ctrl-Z in a value become blanks, and a
// message line that would read back as a section header gets a trailing blank.
// RESULTS FOLDER comes last, in a section of its own; an empty folder removes
// the section, so a file that never had one keeps its bytes.
// Throws TIoError when the file cannot be read or written; the old file then
// stays whole.
void SaveClientConfig(const std::string& path, const ClientConfig& config);

// The file-name part of path: the text after its last '/', '\' or drive colon.
std::string LogoFileName(std::string_view path);
