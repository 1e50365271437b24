#include "window/controlboxes.hpp"

namespace vantor {

int ControlBoxes::value(Box box) const {
    const Controls& c = m_controls;
    switch (box) {
    case Box::SunOrbit:
        return c.SUNoChk.value();
    case Box::SunDisk:
        return c.SUNdiskChk.value();
    case Box::SunTrail:
        return c.SUNtrailChk.value();
    case Box::InterSight:
        return c.IprojChk.value();
    case Box::InterOrbit:
        return c.IoChk.value();
    case Box::InterDisk:
        return c.IdiskChk.value();
    case Box::InterTrail:
        return c.ItrailChk.value();
    case Box::EarthSight:
        return c.EprojChk.value();
    case Box::EarthOrbit:
        return c.EoChk.value();
    case Box::EarthDisk:
        return c.EdiskChk.value();
    case Box::SuperSight:
        return c.SprojChk.value();
    case Box::SuperOrbit:
        return c.SoChk.value();
    case Box::SuperDisk:
        return c.SdiskChk.value();
    case Box::SuperTrail:
        return c.StrailChk.value();
    case Box::TopGrid:
        return c.topGridChk.value();
    case Box::SkyGrid:
        return c.skyGridChk.value();
    }
    return 0;
}

} // namespace vantor
