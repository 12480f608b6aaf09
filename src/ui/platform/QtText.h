#pragma once

// The text conversion lives in ui/text, below the windows, so that programs
// without widgets (qwtool's print) share it. Windows include it from here or
// from there alike.
#include "ui/text/QtText.h"
