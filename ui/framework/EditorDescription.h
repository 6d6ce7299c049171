#pragma once
// What an editor is made of, as data: its caption, its pages and its place among the forms.
// Each editor fills one EditorSpec; the editor base class builds the window from it.

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace qx {
class ClientDataSet;
}

struct EditorPageSpec {
    QString tab;                            // the tab caption: "1", "2", ...
    qx::ClientDataSet* dataSet = nullptr;   // nullptr: a page that shows its picture only
    int pageCode = 0;                       // alerts, print settings and the print dialog
    QImage picture;                         // the paper page, shown at (0, 0) of the scroll box
    QColor background = Qt::white;          // of the scroll box
    QString firstField, lastField;          // the first and last box in tab order
    QString reportForm, reportBand;         // the band bound to the page at the first show
    int minLeft = 0;
    int maxLeft = -1;                       // -1: the band's width
    bool printable = true;
    // In place of `picture`: the paper page decoded when the page first shows, and its size.
    std::function<QImage()> loadPicture;
    QSize pictureSize;
};

struct EditorSpec {
    QString caption;
    int formCode = 0;                       // the x011 code of this form (its jump has no menu item)
    std::vector<EditorPageSpec> pages;
    int alertHeight = 85;
    bool printA3 = false;                   // M/1: A4 and A3 print actions
    bool walkSkipsGrids = false;            // M/1: Enter, Down and Up stay in grids
};

// The jump actions every editor has, in menu order.
struct JumpActionSpec {
    const char* name;
    const char* caption;
    int formCode;
};

inline constexpr JumpActionSpec kJumpActions[] = {
    {"ActionFillM1", "Modelo M/&1 格式", 1011},   {"ActionFillAnexoA", "附件 Anexo &A", 2011},
    {"ActionFillAnexoB", "附件 Anexo &B", 3011},  {"ActionFillM3", "Modelo M/&3 格式", 4011},
    {"ActionFillM3A", "Modelo &M/3A 格式", 5011}, {"ActionFillM4", "Modelo M/&4 格式", 6011},
};
