#pragma once

#include <string>

namespace vantor {

// One record of the star table, filled from the catalogue file.
struct Star {
    std::string name;
    float eclLon{}; // ecliptic longitude, degrees
    float eclLat{}; // ecliptic latitude, degrees
    float ra{};     // right ascension
    float dec{};    // declination, degrees
    float mag{};    // magnitude
    std::string note;
};

// The star table always holds this many records, loaded or not.
inline constexpr int kStarTableSize = 2001;

} // namespace vantor
