#include "cli/command_line/subcommand.h"

#include "report/catalogue/catalogue.h"

namespace kestavel::cli {

using report::Say;

const Valued& Subcommand::Value(const std::string& name, const char* form, const std::string& help, bool required) {
    Valued& v = values_.emplace_back();
    v.name = name;
    v.option = app_->add_option(name, v.text, help)->type_name(form);
    // A missing value must not take the next option in its place.
    v.option->check(CLI::Validator(
        [](std::string& value) {
            return value.rfind("--", 0) == 0 ? Say("usage.missingValue", {value}) : std::string();
        },
        "", "no option"));
    if (required) v.option->required();
    return v;
}

const Valued& Subcommand::Operand(const std::string& name, const std::string& help) {
    Valued& v = values_.emplace_back();
    v.name = name;
    v.option = app_->add_option(name, v.text, help);
    v.option->required();
    return v;
}

bool& Subcommand::Flag(const std::string& name, const std::string& help) {
    bool& flag = flags_.emplace_back(false);
    app_->add_flag(name, flag, help);
    return flag;
}

}  // namespace kestavel::cli
