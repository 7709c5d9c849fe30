// notavi-cli: the view of the appointment file in the terminal.

#include "cli/cli_options.h"
#include "cli/cli_session.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    notavi::cli::ParsedOptions parsed = notavi::cli::parseOptions(arguments);
    if (!parsed.options) {
        std::cerr << "notavi-cli: " << parsed.error << "\n"
                  << "Hilfe: notavi-cli --help\n";
        return 2;
    }
    if (parsed.options->help) {
        std::cout << notavi::cli::usageText();
        return 0;
    }
    return notavi::cli::runSession(*parsed.options, std::cout, std::cerr);
}
