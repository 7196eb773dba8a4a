// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "table_pass.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const tabulor::Invocation invocation = tabulor::read_arguments(arguments);
    switch (invocation.kind) {
    case tabulor::Invocation::Kind::help:
        std::cout << tabulor::usage_text();
        return 0;
    case tabulor::Invocation::Kind::version:
        std::cout << tabulor::version_text();
        return 0;
    case tabulor::Invocation::Kind::refuse:
        std::cerr << "tabulor: " << invocation.error << '\n' << tabulor::usage_text();
        return 2;
    case tabulor::Invocation::Kind::convert:
        break;
    }
    try {
        return tabulor::run_pass(std::filesystem::current_path(), std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "tabulor: " << e.what() << '\n';
        return 1;
    }
}
