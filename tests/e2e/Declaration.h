#pragma once
// A declaration as a person fills it in: one row per box touched, in the order the walk reaches
// them (editor by editor, page by page, boxes in Enter order). An editor may come back later
// (M/1's auto-calc buttons read the annexes and M/4, so they are pressed after those are filled).
// A field typed again later holds its last text.

#include <vector>

enum class Press {
    Keys,             // the text typed into the box
    Space,            // a tick box toggled with the space bar
    CalendarNextDay,  // the text typed, then the date button and the day after it picked
    AutoCalc,         // the box's auto-calc button pressed (its question answered Yes)
    AtAlert,          // after the page is posted: its alert clicked, the text typed where it leads
    RateRow,          // list page: Shift+Ins, the rate table's first row taken; `field` shows its code
    NewRow,           // list page: Ctrl+Ins, a new row
    Cell,             // list page: the cell of `field` in the current row clicked, the text typed
};

struct Entry {
    const char* form;    // the editor's form name
    int page;            // its page, 0-based
    const char* field;   // the box's field
    Press press;
    const char* typed;   // what is typed (Keys, CalendarNextDay)
    const char* stored;  // what the field holds afterwards, as typed; nullptr: `typed`
};

// A general-sector company (Sector_ID 0).
const std::vector<Entry>& DeclarationSector0();
// An insurance company (Sector_ID 11): the same M/1 and M/4, its own annexes.
const std::vector<Entry>& DeclarationSector11();
