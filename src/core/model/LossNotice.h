#pragma once

#include <string>
#include <vector>

#include "core/model/Conversions.h"

// What a conversion did not carry over whole, in words: one paragraph per
// kind of loss (undecipherable values first), naming the places of that kind as
// "settings (DESC); question 3 (QUESTION, B)". Each paragraph is two
// sentences joined by '\r': what the values hold, then what follows from it
// (the last kind has one). Empty when nothing was lost.
std::vector<std::string> LossNotices(const TConversionReport& report);
