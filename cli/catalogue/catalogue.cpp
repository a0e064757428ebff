#include "cli/catalogue/catalogue.h"

#include <limits>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/catalogue/catalogue_bytes.h"
#include "cli/platform/system_language.h"

namespace kestavel::cli {

namespace {

using Texts = std::map<std::string, std::string, std::less<>>;

// The catalogue test holds each file to one flat object of texts; anything else would be skipped
// here, and its key said in its place.
Texts Parse(std::string_view bytes) {
    Texts texts;
    const nlohmann::json catalogue = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (!catalogue.is_object()) return texts;
    for (const auto& [key, text] : catalogue.items()) {
        if (text.is_string()) texts.emplace(key, text.get<std::string>());
    }
    return texts;
}

std::optional<Texts>& Current() {
    static std::optional<Texts> texts;
    return texts;
}

}  // namespace

void UseLanguage(Language language) { Current() = Parse(CatalogueBytes(language)); }

std::string Say(std::string_view key, std::initializer_list<FormatArg> args) {
    if (!Current()) UseLanguage(SystemLanguage());
    const auto found = Current()->find(key);
    if (found == Current()->end()) return std::string(key);
    return FormatText(std::numeric_limits<size_t>::max(), found->second, args);
}

}  // namespace kestavel::cli
