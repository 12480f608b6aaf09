#pragma once

#include <string>

// Checks made before a command opens a file, so that a mistyped name is an
// error instead of the empty store the INI store gives for a missing file.

// Throws TIoError naming path when no file stands there, or a folder does.
void RequireExistingFile(const std::string& path);

// Throws TIoError naming path when a folder stands where a file is to be
// written. A path with nothing there yet is fine.
void RequireFileDestination(const std::string& path);
