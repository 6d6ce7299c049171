#pragma once
// Where M/1 line 1 comes from: a line of section I of the Anexo A front page of the sector.
// The same table makes that page the source of cdsM1P2 in the recalculation graph.

struct Line1Source {
    int sectorId;
    const char* dataSet;  // component name
    const char* field;
};

inline constexpr Line1Source kLine1Sources[] = {
    {0, "cdsAnexoAP1", "i_r15_mop"},
    {11, "cdsAnexoASegP1", "i_r22_mop"},
    {21, "cdsAnexoABankP1", "i_r16_mop"},
};

// The source of the sector, or nullptr when the sector is not chosen or not known.
inline const Line1Source* Line1SourceOf(int sectorId)
{
    for (const Line1Source& s : kLine1Sources)
        if (s.sectorId == sectorId)
            return &s;
    return nullptr;
}
