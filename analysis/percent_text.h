#pragma once
// Rates in percent as the front ends give them in CSV and JSON: a simulated rate is a count of
// 100000 trials, so its percent has an exact decimal of at most three places; an exact rate is
// a probability given to ten places. The number is the double nearest that text, so a JSON
// writer prints it back as the text.

#include <cstdint>
#include <string>

namespace kestavel::analysis {

std::string SimulatedPercentText(int64_t wins);  // "42.12", "50.0"
double SimulatedPercentNumber(int64_t wins);       // the double that prints as that text
std::string ExactPercentText(double probability);  // "49.9876543210" less trailing zeros
double ExactPercentNumber(double probability);

}  // namespace kestavel::analysis
