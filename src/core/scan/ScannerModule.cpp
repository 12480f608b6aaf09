#include "core/scan/ScannerModule.h"

// The entry of the scanner's module (built into the module alone): the table
// of the calls it implements. Nothing else of the module is exported.
extern "C" __attribute__((visibility("default"))) const Scan::TScannerCalls* QuizwellScannerCalls() {
  static const Scan::TScannerCalls calls{
      sizeof(Scan::TScannerCalls), Scan::ScannerInterface, &Scan::SniffKind, &Scan::HeaderSize,
      &Scan::ScanFilesIn,          &Scan::ForEachPage,     &Scan::ReadPage,  &Scan::Redecide};
  return &calls;
}
