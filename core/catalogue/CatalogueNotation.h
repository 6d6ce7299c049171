#pragma once
// The notation the catalogue tables are written in, so that a table reads like the printed field
// list of its page:
//   field("Telefone", text(14).label("電話 Telefone"))           one field
//   twin("I_R4_Mop", amount())                                  the field, then its previous-period twin
//   series("R%d_Mop", 2, 13, amount())                          R2_Mop .. R13_Mop
//   seriesTwins("IV_R%d_Mop", 111, 113, amount())               each followed by its twin
//   group(14, 20, {{"R%d_Desc", text(150)}, {"R%d_Mop", amount()}})
//                                                               the group for 14, then 15, ... 20
// `%d` stands for the number that changes. A twin is named `<name>_Per_Ant` after a data field
// and `<name>_per_ant` after a calculated one, and has the same type.

#include "platform/data/FieldDef.h"

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace catalogue {

// Thousands separators, no decimals, a blank behind positive values, negatives in parentheses,
// zero as "--- ": every amount of the forms.
inline constexpr const char* kAmountDisplay = R"x(,0" ";"(",0")";"--- ")x";
inline constexpr const char* kAmountEdit = "0";

// A field definition without its name.
class Type {
public:
    explicit Type(qx::FieldDef def) : def_(std::move(def)) {}

    Type label(const char* text) const;
    Type display(const char* pattern) const;
    Type edit(const char* pattern) const;
    Type centred() const;
    Type max(std::int64_t value) const;

    const qx::FieldDef& def() const { return def_; }

private:
    qx::FieldDef def_;
};

// The types of the printed catalogue.
Type amount();                 // input currency with the amount patterns
Type sum();                    // calculated currency with the amount patterns
Type currency();               // input currency, patterns given by the caller
Type calcCurrency();           // calculated currency, patterns given by the caller
Type text(int size);           // input string of at most `size` characters
Type calcText(int size);       // calculated string
Type shownX();                 // Boolean shown as "X" when True, empty when False
Type boolean();                // Boolean with the platform's own texts
Type integer();
Type calcInteger();
Type largeInt();               // 64-bit integer
Type date();
Type dateTime();
Type autoInc();
Type aggregate(const char* expression);  // maintained sum over the list, amount display

struct Member {
    const char* pattern;  // a name, or a name with %d where the group or series number goes
    Type type;
};

// One line of a table: a field, a series or a group.
struct Row {
    std::vector<Member> members;
    int first = 0;  // the numbers put for %d, from first to last; 0..0 for a single field
    int last = 0;
    bool twins = false;
};

Row field(const char* name, const Type& type);
Row twin(const char* name, const Type& type);
Row series(const char* pattern, int first, int last, const Type& type);
Row seriesTwins(const char* pattern, int first, int last, const Type& type);
Row group(int first, int last, std::initializer_list<Member> members);

using Table = std::vector<Row>;

// The fields of a table in defined order.
std::vector<qx::FieldDef> expandTable(const Table& table);

}  // namespace catalogue
