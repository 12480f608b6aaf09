#pragma once

#include <string>
#include <vector>

#include "core/model/QuestionReading.h"

// The two conversions between a test file and its plain-text form. Both copy
// every SETTINGS key, both message sections and the questions as
// ReadQuestions reads them (every QA1 to QA500 holding text, gaps closed up)
// from source into destination, the destination starting from its own file's
// content; its question sections past the last one written are removed, so
// it holds exactly the source's questions. Throws TIoError when a file
// cannot be read (a missing source or a folder included) or the destination
// cannot be written; the destination file is then as it was.

// How a value fails to survive the conversion whole.
enum class TLoss {
  LineBreak,   // the text form keeps only the value's first line
  EndsText,    // a Ctrl-Z ends the whole text file there when it is read back
  NoDecipher,  // the stored value does not decipher; the text holds BAD DECODE
  EdgeBytes,   // bytes 0 or 255 that no first pair of the cipher keeps
};

// A value that does not survive: Question is the question number, 0 for SETTINGS.
struct TBrokenValue {
  int Question = 0;
  std::string Key;
  TLoss Loss = TLoss::LineBreak;
  bool operator==(const TBrokenValue&) const = default;
};

struct TConversionReport {
  // In file order, each named by the question number it is written under.
  std::vector<TBrokenValue> Broken;
  // How the source's questions were read: what was renumbered and which
  // sections were left out (NumberingReport words them).
  TQuestionNumbering Numbering;
  // The numbers of the sections left out past the last question number, as
  // far as they fit an int; Numbering names every section left out.
  std::vector<int> Dropped;
};

// Plain-text test to enciphered test. Broken names the values holding bytes
// the cipher cannot keep.
TConversionReport EncryptTextToTest(const std::string& sourcePath, const std::string& destinationPath);

// Enciphered test to plain text. Broken names the values that do not decipher
// and those whose plain text holds a line break, a Ctrl-Z or bytes the cipher
// cannot keep when the text is converted back.
TConversionReport DecryptTestToText(const std::string& sourcePath, const std::string& destinationPath);
