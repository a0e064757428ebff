#include "record/speed_simulator.h"

#include <algorithm>

namespace kestavel {

SpeedSimulator::SpeedSimulator() {
    ResetSimulator(*this);
    engine = new std::mt19937(randomDevice());
}

SpeedSimulator::SpeedSimulator(uint32_t seed) {
    ResetSimulator(*this);
    engine = new std::mt19937(seed);
}

SpeedSimulator::~SpeedSimulator() { delete engine; }

void ResetSimulator(SpeedSimulator& s) {
    s.enemyCount = 0;
    std::fill(std::begin(s.allySpeed), std::end(s.allySpeed), 0.0);
    s.enemySpeed = 0;
    s.candidateSpeed = 0;
    s.bestSpeed = 0;
    s.winsAll = 0;
    s.winsFirst = 0;
    s.targetAllRate = 0;
    s.targetFirstRate = 0;
    std::fill(std::begin(s.rowSpeed), std::end(s.rowSpeed), 0);
    std::fill(std::begin(s.rowAllRate), std::end(s.rowAllRate), 0.0);
    std::fill(std::begin(s.rowFirstRate), std::end(s.rowFirstRate), 0.0);
    std::fill(std::begin(s.roster.number), std::end(s.roster.number), 0);
    std::fill(std::begin(s.roster.speed), std::end(s.roster.speed), 0);
    s.roster.rowCount = 0;
}

}  // namespace kestavel
