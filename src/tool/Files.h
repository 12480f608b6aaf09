#pragma once

#include <string>
#include <vector>

#include "core/model/QuestionReading.h"
#include "core/storage/OutputDestination.h"
#include "tool/ToolContext.h"

// Checks made before a command opens a file, so that a mistyped name is an
// error instead of the empty store the INI store gives for a missing file.

// Throws TIoError naming path when no file stands there, or a folder does.
void RequireExistingFile(const std::string& path);

// Throws TIoError naming path (exit status 2) when the file a command is
// about to write may not go there (OutputRefusal): over one of inputs, over
// the results store of its own folder or an input's, over a test or a database when it
// writes another kind, or where no file can stand. --force lets the user
// insist on the store and on another kind of file, never on an input.
void RequireOutput(const TToolContext& context, const std::string& path, TFileKind writes,
                   const std::vector<std::string>& inputs);

// Throws TIoError naming path when the file there is no test the maker loads
// (it has no description).
void RequireTest(const std::string& path);

// Whether a new file may be made at path: true when nothing stands there, or
// when force is given and a regular file this user may write does. False,
// after a message on err, when a file stands there and force is not given.
// Throws TIoError for a folder, and with force for a symbolic link or
// anything but a regular file: --force replaces a file, never what a link
// points to.
bool MayCreate(TToolContext& context, const std::string& path, bool force);

// Writes NumberingReport's lines for the test at path as warnings on err;
// whether there were any.
bool ReportNumbering(TToolContext& context, const std::string& path, const TQuestionNumbering& numbering);
