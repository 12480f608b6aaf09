#pragma once

#include "support/SheetGenerator.h"

// Sheet pages for the scanner's tests and benchmark where the sheet painter
// is not at hand: the blank page drawn from the layout alone (markers, QR
// code, name box, answer and digit boxes), then marked and degraded by the
// sheet generator.
namespace FakeSheet {

// A sheet code of a 20-question test with four answers each and a 6-digit
// student number, for tests that need any sheet.
SheetLayout::TSheetCode SampleCode(int questions = 20, int digits = 6);

// The page drawn at 300 dpi, then marked and degraded as SheetGenerator::Generate does.
SheetGenerator::TGenerated Make(const SheetLayout::TSheetPage& page, const SheetGenerator::TMarks& marks,
                                const SheetGenerator::TDegradation& degradation, std::mt19937_64& random);

}  // namespace FakeSheet
