#pragma once

#include <QString>
#include <string>

struct TGlobals;
class QuestionSet;

// The maker's way into the student engine, qwtest, that lies beside it.

// The executable qwtest in folder, or else beside the maker's program file;
// empty when neither holds one.
QString EngineBesideMaker(const QString& folder);

// Opens the current test in the engine as a preview starting at question
// (1-based). Tells the instructor when no test is loaded or the engine is not
// beside the maker. Returns whether the engine was started.
bool StartPreview(TGlobals& globals, int question);

// Whether the editor's questions differ from those stored in the test at
// path (a file that cannot be read differs).
bool EditorDiffersFromFile(const QuestionSet& questions, const std::string& path);
