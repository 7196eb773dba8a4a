#include "table_pass.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char**) {
    // Every run appends; a stray "--help" must not add a second copy of all tables.
    if (argc > 1) {
        std::cerr
            << "tabulor: takes no arguments; run it in the folder holding data/ and output/\n";
        return 2;
    }
    try {
        return tabulor::run_pass(std::filesystem::current_path(), std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "tabulor: " << e.what() << '\n';
        return 1;
    }
}
