#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "classroom/ClassroomFixture.h"
#include "classroom/RateLimit.h"

using namespace ClassroomFixture;

namespace {

// A class of 300 behind one NAT address: every page refused once after a
// restart, then a steady trickle of refusals, is never turned away; a flood
// from one address is held to the refill rate, and others are untouched.
TEST(ClassroomRateLimit, AClassBehindOneAddressPassesAFloodDoesNot) {
  TRateLimit limit;
  std::int64_t ms = 0;
  for (int s = 0; s < 600; ++s) {
    ASSERT_TRUE(limit.Allows("10.0.0.1", ms));
    limit.Refused("10.0.0.1", ms);
  }
  for (; ms < 20000; ms += 20) {  // 50 refusals a second
    ASSERT_TRUE(limit.Allows("10.0.0.1", ms)) << ms;
    limit.Refused("10.0.0.1", ms);
  }

  int served = 0;
  for (ms = 0; ms < 3000; ++ms) {  // 1,000 a second
    if (limit.Allows("10.0.0.9", ms)) {
      ++served;
      limit.Refused("10.0.0.9", ms);
    }
  }
  EXPECT_NEAR(served, TRateLimit::Capacity + 3 * TRateLimit::PerSecond, 2);
  limit.Refused("10.0.0.9", ms);
  EXPECT_FALSE(limit.Allows("10.0.0.9", ms));
  EXPECT_TRUE(limit.Allows("10.0.0.1", ms));
  EXPECT_TRUE(limit.Allows("10.0.0.9", ms + 1000));
}

// Sends one request and reads its reply's status; 0 when the connection
// has closed.
int Exchange(int fd, const std::string& request) {
  return StatusOf(RawExchange(fd, request));
}

TEST(ClassroomRateLimit, AFloodFromOneAddressLeavesOthersServed) {
  TRoom room(TestOf("AB"));
  const std::string token = room.JoinAndStart("Ann");
  const std::string bad =
      "POST /api/answer HTTP/1.1\r\nHost: x\r\nContent-Type: application/x-www-form-urlencoded\r\n"
      "Content-Length: 3\r\n\r\nx=%";
  // The flood is a number of requests, sent as fast as this machine allows
  // (several thousand a second when it is idle), so the bounds below hold on
  // a busy machine too.
  constexpr int Flood = 8000;
  // The good client's requests are measured against the same requests before
  // the flood, as a busy machine slows both alike.
  const auto timedState = [&] {
    const auto start = std::chrono::steady_clock::now();
    const TResponse state = room.Get("/api/state", token);
    EXPECT_EQ(state.Status, 200) << state.Body;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  const auto median = [](std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
  };
  std::vector<double> unloaded;
  for (int i = 0; i < 15; ++i) unloaded.push_back(timedState());
  std::atomic<int> sent = 0, refused = 0, limited = 0;
  std::vector<std::thread> flood;
  const auto began = std::chrono::steady_clock::now();
  for (int t = 0; t < 8; ++t) {
    flood.emplace_back([&] {
      int fd = -1;
      while (sent++ < Flood) {
        if (fd < 0 && (fd = RawConnection(room.Port, "127.0.0.2")) < 0) continue;
        const int status = Exchange(fd, bad);
        if (status == 429) ++limited;
        if (status == 400) ++refused;
        if (status == 0 || status == 429) close(fd), fd = -1;
      }
      if (fd >= 0) close(fd);
    });
  }

  std::vector<double> during;
  while (sent < Flood) {
    during.push_back(timedState());
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  for (std::thread& thread : flood) thread.join();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

  ASSERT_GT(during.size(), 5u);
  // Held behind the flood, the good client would wait for thousands of its
  // requests; below a millisecond the clock's grain decides, so that is the floor.
  EXPECT_LT(median(during), 20 * std::max(median(unloaded), 1.0)) << "the good client waited";
  // Past the bucket, the flood was answered 429 before any work.
  EXPECT_GE(refused + limited, Flood - 20);
  // A request that passed the check before the bucket ran dry still takes
  // its refusal, so a slow (instrumented) server overshoots a little; a
  // quarter of the bucket covers that, and a limiter that let the flood
  // through would refuse all 8,000.
  EXPECT_LE(refused, TRateLimit::Capacity * 1.25 + seconds * TRateLimit::PerSecond);
  RecordProperty("flood_per_second", static_cast<int>(Flood / seconds));
  RecordProperty("unloaded_good_us", static_cast<int>(1000 * median(unloaded)));
  RecordProperty("flooded_good_us", static_cast<int>(1000 * median(during)));
}

}  // namespace
