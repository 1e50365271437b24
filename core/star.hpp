#pragma once
#include <string>
namespace vantor {
// One record of the star catalogue; the name and note are kept but never drawn.
struct Star {
    std::string name;
    float eclLon{}; // ecliptic longitude, degrees
    float eclLat{}; // ecliptic latitude, degrees
    float ra{};     // right ascension, hours
    float dec{};    // declination, degrees
    float mag{};    // magnitude, smaller is brighter
    std::string note;
};
// The catalogue table holds this many records (index 0 is never plotted).
inline constexpr int kStarTableSize = 2001;
} // namespace vantor
