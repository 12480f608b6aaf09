#pragma once

#include <cstdint>

// Where a running test gets the time from: a steady clock in the program, a
// clock the test moves by hand in tests, so that a time limit is checked
// without waiting for it.
class TClock {
public:
  virtual ~TClock() = default;
  // Milliseconds since some fixed start; never goes backwards.
  virtual std::int64_t NowMs() const = 0;
};

// The machine's steady clock.
class TSteadyClock : public TClock {
public:
  std::int64_t NowMs() const override;
};
