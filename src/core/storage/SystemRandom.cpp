#include "core/storage/SystemRandom.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/storage/IoError.h"

namespace SystemRandom {

void Fill(unsigned char* bytes, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = getrandom(bytes + done, count - done, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw TIoError("/dev/urandom", "read", std::strerror(errno));
    }
    done += static_cast<std::size_t>(got);
  }
}

std::uint64_t Number() {
  unsigned char bytes[sizeof(std::uint64_t)];
  Fill(bytes, sizeof bytes);
  std::uint64_t number = 0;
  for (const unsigned char byte : bytes) number = number << 8 | byte;
  return number;
}

std::string Hex(std::size_t count) {
  std::vector<unsigned char> bytes(count);
  Fill(bytes.data(), count);
  static constexpr char Digits[] = "0123456789abcdef";
  std::string text;
  text.reserve(2 * count);
  for (const unsigned char byte : bytes) {
    text += Digits[byte >> 4];
    text += Digits[byte & 15];
  }
  return text;
}

}  // namespace SystemRandom
