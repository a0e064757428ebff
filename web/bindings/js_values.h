#pragma once
// Between JavaScript's values and the question layer's plain types: arrays of numbers, nulls for
// what is absent, and an outcome as {answer, refusal}, one of them null.

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "analysis/inputs/enemy_group.h"
#include "analysis/inputs/refusal.h"
#include "engine/exact/binomial_interval.h"

namespace kestavel::web {

using emscripten::val;

std::vector<int32_t> IntsOf(const val& array);
// A number, or nothing for null and undefined.
std::optional<int32_t> OptionalIntOf(const val& number);

template <typename T>
val ArrayOf(const std::vector<T>& items) {
    val array = val::array();
    for (const T& item : items) array.call<void>("push", item);
    return array;
}

template <typename T>
val OrNull(const std::optional<T>& value) {
    return value ? val(*value) : val::null();
}

// {successes, encounters}, or nothing for null and undefined. Each is taken whole, toward 0, and
// held within 2^53 either way (what is not a number is -1), so that the question refuses what is
// out of its range rather than a conversion wrapping it into range.
std::optional<BinomialCount> ObservedCountOf(const val& observed);

// {allies, enemySpeed, enemies, enemySpeeds} as the CLI reads --enemy-speed and --enemies, or
// --enemy-speeds when that array is not empty.
analysis::EnemyGroup GroupOf(const val& enemySpeed, const val& enemies, const val& enemySpeeds);

// What JavaScript gets for a refusal: the input refused by name, the range it takes (highest
// null for none) and the value given.
struct RefusalValue {
    std::string refused;
    double lowest = 0;
    val highest = val::null();
    double given = 0;
};

RefusalValue RefusalValueOf(const analysis::Refusal& refusal);

template <typename Answer, typename Convert>
val OutcomeValue(const analysis::Outcome<Answer>& outcome, Convert convert) {
    val result = val::object();
    if (const analysis::Refusal* refusal = std::get_if<analysis::Refusal>(&outcome)) {
        result.set("answer", val::null());
        result.set("refusal", RefusalValueOf(*refusal));
    } else {
        result.set("answer", convert(std::get<Answer>(outcome)));
        result.set("refusal", val::null());
    }
    return result;
}

}  // namespace kestavel::web
