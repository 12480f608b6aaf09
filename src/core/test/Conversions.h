#pragma once

#include <string>
#include <vector>

// The two conversions between a test file and its plain-text form. Both copy
// the fifteen SETTINGS keys, both message sections and the questions up to the
// first empty stored QUESTION (or QA500) from source into destination, the
// destination starting from its own file's content. Throws TIoError when a file
// cannot be read or the destination cannot be written; the destination file is
// then as it was.

// A value that does not survive the text form whole: Question is the question
// number, 0 for SETTINGS. A line break keeps only the value's first line; a
// Ctrl-Z (EndsText) ends the whole text file where it stands when it is read
// back, so nothing after it survives.
struct TBrokenValue {
  int Question = 0;
  std::string Key;
  bool EndsText = false;
  bool operator==(const TBrokenValue&) const = default;
};

// Plain-text test to enciphered test.
void EncryptTextToTest(const std::string& sourcePath, const std::string& destinationPath);

// Enciphered test to plain text. Returns the values whose plain text holds a
// line break or a Ctrl-Z, in file order.
std::vector<TBrokenValue> DecryptTestToText(const std::string& sourcePath,
                                            const std::string& destinationPath);
