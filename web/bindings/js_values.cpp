#include "web/bindings/js_values.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>

namespace kestavel::web {

std::vector<int32_t> IntsOf(const val& array) {
    if (array.isNull() || array.isUndefined()) return {};
    return emscripten::vecFromJSArray<int32_t>(array);
}

std::optional<int32_t> OptionalIntOf(const val& number) {
    if (number.isNull() || number.isUndefined()) return std::nullopt;
    return number.as<int32_t>();
}

analysis::EnemyGroup GroupOf(const val& enemySpeed, const val& enemies, const val& enemySpeeds) {
    analysis::EnemyGroup group;
    group.listed = IntsOf(enemySpeeds);
    if (group.Listed()) {
        group.count = static_cast<int32_t>(group.listed.size());
    } else {
        group.speed = OptionalIntOf(enemySpeed).value_or(0);
        group.count = OptionalIntOf(enemies).value_or(0);
    }
    return group;
}

namespace {

int64_t HeldWhole(const val& number) {
    if (!number.isNumber()) return -1;
    const double x = number.as<double>();
    if (std::isnan(x)) return -1;
    return static_cast<int64_t>(std::trunc(std::clamp(x, -0x1p53, 0x1p53)));
}

const char* RefusedInputName(analysis::RefusedInput input) {
    switch (input) {
        case analysis::RefusedInput::kEnemySpeed: return "enemySpeed";
        case analysis::RefusedInput::kEnemyCount: return "enemyCount";
        case analysis::RefusedInput::kObservedPercent: return "observedPercent";
        case analysis::RefusedInput::kObservedEncounters: return "observedEncounters";
        case analysis::RefusedInput::kObservedSuccesses: return "observedSuccesses";
        case analysis::RefusedInput::kBestAllySpeed: return "bestAllySpeed";
    }
    return "unknown";
}

}  // namespace

std::optional<BinomialCount> ObservedCountOf(const val& observed) {
    if (observed.isNull() || observed.isUndefined()) return std::nullopt;
    return BinomialCount{HeldWhole(observed["successes"]), HeldWhole(observed["encounters"])};
}

RefusalValue RefusalValueOf(const analysis::Refusal& refusal) {
    return {RefusedInputName(refusal.input), static_cast<double>(refusal.lowest),
            refusal.highest ? val(static_cast<double>(*refusal.highest)) : val::null(),
            static_cast<double>(refusal.given)};
}

EMSCRIPTEN_BINDINGS(kestavel_refusal) {
    emscripten::value_object<RefusalValue>("Refusal")
        .field("refused", &RefusalValue::refused)
        .field("lowest", &RefusalValue::lowest)
        .field("highest", &RefusalValue::highest)
        .field("given", &RefusalValue::given);
}

}  // namespace kestavel::web
