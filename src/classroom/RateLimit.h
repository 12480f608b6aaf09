#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

// A token bucket per client address for the replies that refuse a request.
// Only refusals (4xx) take tokens, so a class behind one address answering
// as fast as it likes never runs dry; an address whose bucket is empty has
// every request refused with 429 before any work until it refills.
//
// Sizing: a class of 300 behind one NAT address makes a few refusals each in
// normal use (the 401 of every page after a server restart, a 404 for the
// browser's icon, a 409 for a double press), at most about 600 at once and far
// below 100 a second afterwards. A flood of 1,000 bad requests a second
// empties the bucket in under a second and is then held to 100 a second.
class TRateLimit {
public:
  static constexpr double Capacity = 1000;  // refusals an address may make at once
  static constexpr double PerSecond = 100;  // and then, on average, each second

  // A bucket of another size, for other things counted per client.
  explicit TRateLimit(double capacity = Capacity, double perSecond = PerSecond)
      : Size(capacity), Rate(perSecond) {}

  // Whether a request from address may be served at nowMs (any clock that
  // only goes forward). Cheap: one lookup under a lock.
  bool Allows(const std::string& address, std::int64_t nowMs);
  // Takes one token from address for a refused request.
  void Refused(const std::string& address, std::int64_t nowMs);
  // Takes one token when address has one; false when its bucket is empty.
  bool Take(const std::string& address, std::int64_t nowMs);

private:
  struct TBucket {
    double Tokens = 0;
    std::int64_t AtMs = 0;
  };
  // The bucket of address topped up to nowMs; null when the table is full.
  TBucket* Refill(const std::string& address, std::int64_t nowMs);

  const double Size, Rate;
  std::mutex Lock;
  std::unordered_map<std::string, TBucket> Buckets;
};
