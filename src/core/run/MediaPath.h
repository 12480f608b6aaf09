#pragma once

#include <string>
#include <string_view>

// How the engine finds and judges the files and addresses a test names. A
// test file comes from someone else, so nothing it names is ever started as
// a program.
namespace MediaPath {

// The file a stored media or hot-link name means, inside the engine's folder
// (no trailing separator): "\MEDIA\PIC.BMP" and "MEDIA\PIC.BMP" are relative
// to it, a drive letter is dropped, and backslashes are separators. Each
// component is matched without regard to letter case when the exact spelling
// does not exist, as Windows would take it; unmatched components stay as
// written. "." and ".." components are dropped, so the name stays inside the
// folder.
std::string Resolve(const std::string& folder, std::string_view stored);

// Whether text is a web or mail address (http:, https:, ftp:, mailto:, any
// case), handed to the browser as it stands.
bool IsWebAddress(std::string_view text);

// Whether the name's extension marks a program or script on either system
// (.EXE, .COM, .BAT, .CMD, .SH, .DESKTOP, .APPIMAGE, .JAR, ...), in any case.
bool IsProgramName(std::string_view name);

// Whether the name's extension is a picture the engine can show itself (.BMP,
// .PNG, .JPG, .JPEG, .GIF), in any case.
bool IsPicture(std::string_view name);

}  // namespace MediaPath
