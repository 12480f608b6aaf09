#include "classroom/RateLimit.h"

#include <algorithm>

namespace {

// Buckets beyond this many are dropped once full again, so a stream of new
// addresses cannot grow the table without bound.
constexpr std::size_t MaxBuckets = 4096;

}  // namespace

TRateLimit::TBucket* TRateLimit::Refill(const std::string& address, std::int64_t nowMs) {
  if (Buckets.size() >= MaxBuckets && !Buckets.count(address)) {
    std::erase_if(Buckets, [&](const auto& entry) {
      const TBucket& bucket = entry.second;
      return bucket.Tokens + static_cast<double>(nowMs - bucket.AtMs) * Rate / 1000 >= Size;
    });
    if (Buckets.size() >= MaxBuckets) return nullptr;
  }
  const auto [found, added] = Buckets.try_emplace(address);
  TBucket& bucket = found->second;
  if (added) bucket = {Size, nowMs};
  if (nowMs > bucket.AtMs) {
    bucket.Tokens = std::min(Size, bucket.Tokens + static_cast<double>(nowMs - bucket.AtMs) * Rate / 1000);
    bucket.AtMs = nowMs;
  }
  return &bucket;
}

bool TRateLimit::Allows(const std::string& address, std::int64_t nowMs) {
  std::lock_guard guard(Lock);
  const auto found = Buckets.find(address);
  if (found == Buckets.end()) return true;  // never refused: no bucket to keep
  return Refill(address, nowMs)->Tokens >= 1;
}

void TRateLimit::Refused(const std::string& address, std::int64_t nowMs) {
  std::lock_guard guard(Lock);
  // With the table full of addresses refused just now, a new one goes
  // uncounted rather than grow it.
  if (TBucket* bucket = Refill(address, nowMs)) bucket->Tokens = std::max(0.0, bucket->Tokens - 1);
}

bool TRateLimit::Take(const std::string& address, std::int64_t nowMs) {
  std::lock_guard guard(Lock);
  TBucket* bucket = Refill(address, nowMs);
  if (!bucket) return true;  // as for Refused: the table does not grow
  if (bucket->Tokens < 1) return false;
  bucket->Tokens -= 1;
  return true;
}
