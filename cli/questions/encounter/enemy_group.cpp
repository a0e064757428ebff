#include "cli/questions/encounter/enemy_group.h"

#include "cli/cli_messages.h"
#include "text/window_texts.h"

namespace kestavel::cli {

std::vector<double> EnemyGroup::Speeds() const {
    if (Listed()) return {listed.begin(), listed.end()};
    return std::vector<double>(count > 0 ? static_cast<size_t>(count) : 0, speed);
}

std::optional<Refusal> GroupRefusal(const EnemyGroup& group) {
    for (const int32_t speed : group.Listed() ? group.listed : std::vector<int32_t>{group.speed}) {
        if (speed < 1) return RefusalOf(messages::kEnemySpeedInvalid, kAcceptedEnemySpeed, speed);
    }
    if (group.count < 1 || group.count > 9) return RefusalOf(messages::kEnemyCountInvalid, kAcceptedEnemyCount, group.count);
    return std::nullopt;
}

}  // namespace kestavel::cli
