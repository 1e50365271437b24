#pragma once

namespace vantor {

// The check boxes the views read at the moment they draw.
enum class Box {
    SunOrbit,
    SunDisk,
    SunTrail,
    InterSight,
    InterOrbit,
    InterDisk,
    InterTrail,
    EarthSight,
    EarthOrbit,
    EarthDisk,
    SuperSight,
    SuperOrbit,
    SuperDisk,
    SuperTrail,
    TopGrid,
    SkyGrid
};

// The narrow window through which the views see the user's check boxes: the window implements
// it from its controls, tests with a plain table. A box's value is 0 off, 1 on.
class DisplayBoxes {
public:
    virtual ~DisplayBoxes() = default;
    [[nodiscard]] virtual int value(Box box) const = 0;
};

} // namespace vantor
