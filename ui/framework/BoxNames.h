#pragma once
// What a box is called on its page, for the messages about it (a refused text names the box as
// the person sees it, not its field).
//   SetBoxName(control, name)            the name of one box (set where the page is laid out)
//   SetFieldBoxNames(container, names)   names by field for the boxes inside `container` (a
//                                        grid's cells: its columns' headings)
//   BoxNameOf(control, field)            the name set above, else the field's label, else the
//                                        field's name
//   SplitBilingual(text)                 "成立日期 Data da constituição" -> 成立日期 | Data da
//                                        constituição; marks without letters ("(1)", "I.5") at
//                                        the ends belong to both, and a text in one language
//                                        names the box in both
//   SplitLanguages(text)                 the same, each side only its own words and the marks
//                                        ("(1)認許" -> (1) 認許 | (1)), with whether it has words
//   FilledName(parts)                    a side without words of its own takes the other's

#include "core/util/RefusedInputMsg.h"

#include <QString>
#include <map>

class QWidget;

void SetBoxName(QWidget& control, const BoxName& name);
void SetFieldBoxNames(QWidget& container, const std::map<QString, BoxName>& names);
BoxName BoxNameOf(const QWidget* control, const QString& fieldName);
BoxName SplitBilingual(const QString& text);

struct BilingualParts {
    BoxName name;
    bool chnWords = false;  // the text has words of that language (not only marks)
    bool porWords = false;
};
BilingualParts SplitLanguages(const QString& text);
BoxName FilledName(const BilingualParts& parts);
