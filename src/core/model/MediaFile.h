#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The rules for a question's hot link and media file as the engine reads them:
// a bare file name is looked for in the engine's folder, a name starting with
// "\" is relative to that folder, and "FACTVAULT:" starts a query. Only ASCII
// characters are interpreted, so the texts may be in any ASCII-based encoding.
namespace MediaFile {

// Whether text is a value the engine shows itself: empty, a name whose
// extension (from the last '.' of its last path component) is one of .AVI,
// .BMP, .RTF, .TXT, .WAV in any case, or a text beginning with "FACTVAULT" in
// any case. Anything else the engine tries to launch, so the editor warns.
bool IsViewable(std::string_view text);

// The value to store for a file chosen in a file dialog. A name that begins
// with a drive letter and a colon loses that drive ("C:\MEDIA\SOUND.WAV" gives
// "\MEDIA\SOUND.WAV"). A file inside programFolder (the folder the engine runs
// from, with or without a trailing '/') is stored relative to it in the
// engine's form: "/opt/qw/MEDIA/SOUND.WAV" in "/opt/qw" gives
// "\MEDIA\SOUND.WAV". Any other name is stored as chosen. An empty
// programFolder contains nothing.
std::string StoredName(std::string_view chosen, std::string_view programFolder);

// The file a stored name stands for, as the engine running from folder finds
// it: "\\MEDIA\\PIC.BMP" and "MEDIA/pic.bmp" both name folder/MEDIA/PIC.BMP, a
// drive letter is ignored, each part of the name matches whatever letter case
// the file system holds, and "." and ".." parts are refused. Nothing for a
// query, an empty name or a name that leads to no regular file.
std::optional<std::filesystem::path> Locate(std::string_view stored, const std::filesystem::path& folder);

}  // namespace MediaFile
