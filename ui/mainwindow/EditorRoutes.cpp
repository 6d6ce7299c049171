#include "ui/mainwindow/EditorRoutes.h"

#include <algorithm>
#include <initializer_list>

namespace {

struct PageCodes {
    EditorKind kind;
    std::initializer_list<int> codes;
};

const PageCodes kPageCodes[] = {
    {EditorKind::M1, {1011, 1012, 1013}},
    {EditorKind::AnexoA, {2011, 2012, 2111, 2112, 2211, 2212}},
    {EditorKind::AnexoB, {3011, 3012, 3111, 3212, 3311, 3312}},
    {EditorKind::M3, {4011}},
    {EditorKind::M3A, {5011, 5012}},
    {EditorKind::M4, {6011, 6012}},
};

// The annexes' editor per sector: general, insurance, banking.
struct AnnexForms {
    EditorKind kind;
    const char16_t* geral;
    const char16_t* seg;
    const char16_t* bank;
};

const AnnexForms kAnnexForms[] = {
    {EditorKind::AnexoA, u"FormFillAnexoA", u"FormFillAnexoASeg", u"FormFillAnexoABank"},
    {EditorKind::AnexoB, u"FormFillAnexoB", u"FormFillAnexoBSeg", u"FormFillAnexoBBank"},
};

}  // namespace

EditorKind EditorKindOfPageCode(int pageCode)
{
    for (const PageCodes& p : kPageCodes)
        if (std::find(p.codes.begin(), p.codes.end(), pageCode) != p.codes.end())
            return p.kind;
    return EditorKind::None;
}

QString EditorFormName(EditorKind kind, int sectorId)
{
    switch (kind) {
    case EditorKind::None: return {};
    case EditorKind::M1: return QStringLiteral("FormFillM1");
    case EditorKind::M3: return QStringLiteral("FormFillM3");
    case EditorKind::M3A: return QStringLiteral("FormFillM3A");
    case EditorKind::M4: return QStringLiteral("FormFillM4");
    case EditorKind::AnexoA:
    case EditorKind::AnexoB: break;
    }
    for (const AnnexForms& a : kAnnexForms) {
        if (a.kind != kind)
            continue;
        switch (sectorId) {
        case 0: return QString::fromUtf16(a.geral);
        case 11: return QString::fromUtf16(a.seg);
        case 21: return QString::fromUtf16(a.bank);
        default: return {};
        }
    }
    return {};
}
