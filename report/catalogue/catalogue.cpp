#include "report/catalogue/catalogue.h"

#include <limits>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>

#include "report/catalogue/catalogue_bytes.h"

namespace kestavel::report {

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

// Each catalogue is parsed once, when first used: the page switches language call by call.
const Texts& CatalogueOf(Language language) {
    static std::map<Language, Texts> parsed;
    auto found = parsed.find(language);
    if (found == parsed.end()) found = parsed.emplace(language, Parse(CatalogueBytes(language))).first;
    return found->second;
}

const Texts*& Current() {
    static const Texts* texts = &CatalogueOf(Language::kEnglish);
    return texts;
}

}  // namespace

void UseLanguage(Language language) { Current() = &CatalogueOf(language); }

std::string Say(std::string_view key, std::initializer_list<FormatArg> args) {
    const auto found = Current()->find(key);
    if (found == Current()->end()) return std::string(key);
    return FormatText(std::numeric_limits<size_t>::max(), found->second, args);
}

}  // namespace kestavel::report
