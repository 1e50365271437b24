// vantor_makecatalogue BRIGHT_STARS_CSV VANTOR_CSV: writes the program's star catalogue.
#include "core/star.hpp"
#include "tools/makecatalogue/makecatalogue.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vantor_makecatalogue BRIGHT_STARS_CSV VANTOR_CSV\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "vantor_makecatalogue: cannot open " << argv[1] << '\n';
        return 1;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    // Index 0 of the table holds the header, so the table takes one star fewer than its size.
    const auto result = vantor::convertBrightStars(buffer.str(), vantor::kStarTableSize - 1);
    if (const auto* error = std::get_if<vantor::ConversionError>(&result)) {
        std::cerr << "vantor_makecatalogue: " << argv[1] << ", " << error->message << '\n';
        return 1;
    }
    // Write beside the target and rename, so that a failure never leaves a half-written catalogue.
    const std::filesystem::path target = argv[2];
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << std::get<std::string>(result);
        out.close();
        if (!out) {
            std::cerr << "vantor_makecatalogue: cannot write " << temporary << '\n';
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::cerr << "vantor_makecatalogue: cannot write " << target << ": " << ec.message()
                  << '\n';
        std::filesystem::remove(temporary, ec);
        return 1;
    }
    return 0;
}
