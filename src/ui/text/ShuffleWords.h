#pragma once

#include <QString>

// What a print shuffled, as the interface says it: "questions shuffled",
// "nothing shuffled" and the like; the printed key and every window that
// names a run say it so.
QString ShuffledText(bool questions, bool answers);
