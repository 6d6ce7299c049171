#pragma once
// M/4 page 2 (the insurers' provisions) is shown only for the insurance sector.

constexpr bool M4Page2Shown(int sectorId)
{
    return sectorId == 11;
}
