#pragma once

#include <QString>

struct TGlobals;

// The maker's way into the student engine, qwtest, that lies beside it.

// The executable qwtest in folder, or else beside the maker's program file;
// empty when neither holds one.
QString EngineBesideMaker(const QString& folder);

// Opens the current test in the engine as a preview starting at question
// (1-based). Tells the instructor when no test is loaded or the engine is not
// beside the maker. Returns whether the engine was started.
bool StartPreview(TGlobals& globals, int question);
