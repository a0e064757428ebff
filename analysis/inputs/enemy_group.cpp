#include "analysis/inputs/enemy_group.h"

namespace kestavel::analysis {

std::vector<double> EnemyGroup::Speeds() const {
    if (Listed()) return {listed.begin(), listed.end()};
    return std::vector<double>(count > 0 ? static_cast<size_t>(count) : 0, speed);
}

std::optional<Refusal> EnemyCountRefusal(int32_t count) {
    if (kEnemyCountRange.Holds(count)) return std::nullopt;
    return RefusalOutside(RefusedInput::kEnemyCount, kEnemyCountRange, count);
}

std::optional<Refusal> GroupRefusal(const EnemyGroup& group) {
    for (const int32_t speed : group.Listed() ? group.listed : std::vector<int32_t>{group.speed}) {
        if (speed < kLowestEnemySpeed) return Refusal{RefusedInput::kEnemySpeed, kLowestEnemySpeed, std::nullopt, speed};
    }
    return EnemyCountRefusal(group.count);
}

}  // namespace kestavel::analysis
