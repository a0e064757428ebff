#pragma once
// The bytes of each catalogue file, as the build read them (cli/CMakeLists.txt generates their
// definition from messages/*.json).

#include <string_view>

#include "report/catalogue/language.h"

namespace kestavel::report {

std::string_view CatalogueBytes(Language language);

}  // namespace kestavel::report
