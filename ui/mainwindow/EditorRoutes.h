#pragma once
// Which editor serves a page code, and which editor form serves a form for a sector.

#include <QString>

enum class EditorKind { None, M1, AnexoA, AnexoB, M3, M3A, M4 };

// 1011-1013 M/1; 2011-2212 Anexo A; 3011-3312 Anexo B; 4011 M/3; 5011, 5012 M/3A; 6011, 6012 M/4;
// any other code (0, 4012, 4013, 5013, 3112 ...) none.
EditorKind EditorKindOfPageCode(int pageCode);

// The editor form's name ("FormFillAnexoBSeg"); the annexes by Sector_ID (0, 11, 21); "" when the
// kind has no editor for the sector.
QString EditorFormName(EditorKind kind, int sectorId);
