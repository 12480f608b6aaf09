#pragma once

#include <string>

#include "core/run/PaperVersions.h"

// A paper run of a test: each time a test is printed or saved as PDF, what
// its versions were made with (seed, number of versions, shuffles) and the
// test as it was, so that the sheets are graded with exactly that later.
// Runs are numbered per test from 1.
struct TPrintRun {
  int Number = 0;           // per test, from 1; 0 for a print known only from a .lastprint file
  std::string TestFile;     // the file's name without its folder, "CH2.QWT"
  std::string Fingerprint;  // Fingerprint() of the test's questions when printed; empty when not known
  PaperVersions::TOptions Options;
  std::string Printed;  // "YYYY-MM-DD hh:mm:ss", local time; empty when not known

  bool operator==(const TPrintRun&) const = default;
};
