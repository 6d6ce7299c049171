#pragma once
// The seven auto-calc buttons of M/1 page 2: the target line and where its value comes from,
// which for three of them depends on the folder's sector.

#include <QString>
#include <optional>
#include <vector>

struct FieldSource {
    QString dataSet;  // component name, "cdsAnexoAP1"
    QString field;
    bool operator==(const FieldSource&) const = default;
};

struct M1CalcButton {
    const char* button;  // "SpeedButton4"
    QString target;      // field of cdsM1P2
    // Sources for Sector_ID 0, 11 and 21 (all three alike where the sector plays no part).
    FieldSource general, insurance, banking;
};

const std::vector<M1CalcButton>& M1CalcButtons();
// The button whose target is `target`, or nullptr.
const M1CalcButton* M1CalcButtonFor(const QString& target);
// The source for a sector; a button that depends on the sector has none for a sector other than
// 0, 11 or 21.
std::optional<FieldSource> M1CalcSource(const M1CalcButton& button, int sectorId);
