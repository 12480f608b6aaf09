#pragma once

#include <cstdint>

#include "core/run/Clock.h"

// A clock that moves only when the test says so.
class TManualClock : public TClock {
public:
  std::int64_t NowMs() const override { return Ms; }
  void AdvanceSeconds(int seconds) { Ms += std::int64_t{seconds} * 1000; }
  std::int64_t Ms = 1000000;
};
