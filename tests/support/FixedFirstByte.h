#pragma once

#include "core/storage/ZarnEncryption.h"

// Makes every cipher text of a test start with the same pair, so that files
// can be compared byte for byte; the previous source comes back afterwards.
class TFixedFirstByte {
public:
  explicit TFixedFirstByte(unsigned value) : Previous(SetFirstByteSource([value] { return value; })) {}
  ~TFixedFirstByte() { SetFirstByteSource(std::move(Previous)); }
  TFixedFirstByte(const TFixedFirstByte&) = delete;
  TFixedFirstByte& operator=(const TFixedFirstByte&) = delete;

private:
  TFirstByteSource Previous;
};
