#include "cli/command_line/help_format.h"

#include <memory>

#include "report/catalogue/catalogue.h"
#include "cli/output/progress_line.h"

namespace kestavel::cli {

using report::Say;

namespace {

class HelpFormatter final : public CLI::Formatter {
public:
    HelpFormatter() {
        label("Usage", Say("help.label.usage"));
        label("OPTIONS", Say("help.label.options"));
        label("SUBCOMMAND", Say("help.label.subcommand"));
        label("Positionals", Say("help.label.positionals"));
        label("REQUIRED", Say("help.label.required"));
        label("TEXT", Say("help.label.text"));
    }

    // CLI11's layout: the name and its value's form, padded to the column width (or on a line of
    // its own when wider), then the description, its further lines indented as far.
    std::string make_option(const CLI::Option* option, bool positional) const override {
        const std::string name = "  " + make_option_name(option, positional) + make_option_opts(option);
        const std::string description = make_option_desc(option);
        const int width = static_cast<int>(get_column_width());
        const int used = ColumnsOf(name);
        std::string text = name;
        if (!description.empty()) {
            text += used >= width ? "\n" + std::string(width, ' ') : std::string(width - used, ' ');
            for (const char c : description) {
                text += c;
                if (c == '\n') text += std::string(width, ' ');
            }
        }
        return text + "\n";
    }
};

}  // namespace

void UseCatalogueHelp(CLI::App& app) {
    if (app.get_parent() == nullptr) app.formatter(std::make_shared<HelpFormatter>());  // the commands share it
    app.option_defaults()->group(Say("help.group.options"));
    app.group(Say("help.group.subcommands"));  // what the program's help lists a command under
    // Made again, where it is still the only option, so that it comes first in the group as
    // before and takes the group and the text in the language in use.
    app.set_help_flag("-h,--help", Say("help.help"));
}

}  // namespace kestavel::cli
