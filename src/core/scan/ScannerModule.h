#pragma once

#include <cstddef>

#include "core/scan/ScanInput.h"
#include "core/scan/SheetReader.h"

// The scanner's image work is built as a module of its own, loaded at the
// first page read: the image libraries it needs come to some 140 shared
// libraries, which no program should load on its start. The module hands the
// programs this table of its calls; the programs' definitions of the calls of
// ScanInput.h and SheetReader.h (ScannerLoader.cpp) load the module and pass
// each call on. Putting the pages together (ScanPile.h) needs none of those
// libraries and is built into the programs.
namespace Scan {

// Raised whenever a call's signature or the table changes, so that a program
// never runs a module of another build.
inline constexpr int ScannerInterface = 3;

struct TScannerCalls {
  std::size_t Size;
  int Interface;
  decltype(&Scan::SniffKind) SniffKind;
  decltype(&Scan::HeaderSize) HeaderSize;
  decltype(&Scan::ScanFilesIn) ScanFilesIn;
  decltype(&Scan::ForEachPage) ForEachPage;
  decltype(&Scan::ReadPage) ReadPage;
  decltype(&Scan::Redecide) Redecide;
};

// The module's one exported function, which returns its table.
inline constexpr const char* ScannerEntry = "QuizwellScannerCalls";

}  // namespace Scan
