// The "Select Fan to Add to Project" dialog's values: the fans of a fan database file by
// manufacturer, model and setting, and the number chosen.
#pragma once

#include <array>
#include <string>

namespace flowmar {

struct SelectFanValues {
    // Fans 1..100 of the file (element 0 unused); entries after the file's last fan are empty.
    std::array<std::string, 101> manufacturer;
    std::array<std::string, 101> model;
    std::array<std::string, 101> setting;
    int fanNumber = 0; // the number typed, 1..100
};

} // namespace flowmar
