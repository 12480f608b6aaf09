#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Randomness from the system's generator, for everything that must be neither
// guessed nor repeated: session tokens, room and resume codes, attempt ids,
// question orders and print seeds. Each call throws TIoError when the system
// gives none.
namespace SystemRandom {

void Fill(unsigned char* bytes, std::size_t count);
std::uint64_t Number();
// count random bytes as 2 * count lower-case hexadecimal digits.
std::string Hex(std::size_t count);

}  // namespace SystemRandom
