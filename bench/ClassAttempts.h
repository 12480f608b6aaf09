#pragma once

#include <random>
#include <string>
#include <vector>

#include "core/results/Attempt.h"

// A class's attempts at one test for the results benchmarks.
namespace ClassAttempts {

// Student index of some ability answering every question of questions, in a
// shuffled order, at "BENCH.QWT".
TAttempt Student(int index, const std::vector<TQuestionSnapshot>& questions, std::mt19937& random);

// Stores count such students into the store of testFolder (made when
// missing), a thousand a transaction, and checkpoints its journal.
void StoreClass(const std::string& testFolder, const std::string& dataFolder,
                const std::vector<TQuestionSnapshot>& questions, int count, unsigned seed);

}  // namespace ClassAttempts
