#pragma once

#include <string>
#include <vector>

#include "core/storage/IniStore.h"

// What keeps a test from working as its maker meant, found in an open store:
//  - no stored description (an empty or binary file), which Load Test refuses;
//  - a stored value of SETTINGS or of a question section that does not decipher;
//  - a pass point outside 0..100 or a maximum number of questions outside
//    0..99999, or either one not a whole number;
//  - a time that is not HH:MM:SS within 23:59:59 (empty and the new-test "0"
//    mean an untimed test and pass);
//  - a question (as ReadQuestions reads them) without question text or
//    without a correct letter, or a correct letter naming an empty answer;
//  - gaps in the question numbering, with how every reader closes them up,
//    and question sections holding text that no reader takes (past QA500,
//    or numbered with a leading zero).
// Each finding is one line of text beginning with the section (and key) it is
// about; findings come in that order, sections in file order, questions by
// number. Reads only.
std::vector<std::string> CheckTest(TCustomIniStore& store);
