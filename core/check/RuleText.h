#pragma once
// The texts of a page section's own findings, kept as data next to the rules that raise them.

#include <QString>
#include <initializer_list>
#include <utility>

class TdmMain;

// Every finding of the page rules is an error.
constexpr int kErrorAlert = 10;

inline QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A rule's message number and its two texts as UTF-8 templates: "{key}" marks a place that takes
// a value given when the finding is added.
struct RuleText {
    int msgNo;
    const char* chn;
    const char* por;
};

using TextValues = std::initializer_list<std::pair<const char*, QString>>;

// The template with every "{key}" replaced by the value of that key (empty for a key not given).
// Inserted values are never read again as template.
QString FillTemplate(const char* utf8Template, TextValues values);

// Called for every "{key}" of a template that no value fills: a slip in a rule text that would
// show the user a finding with a hole in it. The program keeps the text as it is; tests install a
// handler that fails. nullptr: none.
using UnfilledPlaceHandler = void (*)(const char* utf8Template, QStringView key);
void SetUnfilledPlaceHandler(UnfilledPlaceHandler handler);

// Adds the rule's error finding (type 10) for the page and field, its texts filled with `values`.
void AddRuleAlert(TdmMain& dm, int objCode, const QString& fieldName, const RuleText& text,
                  TextValues values = {});
