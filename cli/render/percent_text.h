#pragma once
// Rates in percent as CSV and JSON give them: a simulated rate is a count of 100000 trials,
// so its percent has an exact decimal of at most three places; an exact rate is a probability
// given to ten places.

#include <cstdint>
#include <string>

namespace kestavel::cli {

std::string SimulatedPercentText(int64_t wins);  // "42.12", "50.0"
double SimulatedPercentNumber(int64_t wins);       // the double that prints as that text
std::string ExactPercentText(double probability);  // "49.9876543210" less trailing zeros
double ExactPercentNumber(double probability);

}  // namespace kestavel::cli
