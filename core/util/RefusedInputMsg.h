#pragma once
// The message for a text a box refuses (a date that does not exist, letters in an amount, a text
// too long ...): Chinese and Portuguese name the box as its page does, the English text is the
// field's own, and each kind of fault has a code of its own.
//   DM-035 not a date   DM-036 not an amount   DM-037 not a whole number, or out of its range
//   DM-038 too long     DM-039 a character a file cannot hold

#include <QString>

namespace qx {
class FieldValueError;
}

// A box as its page names it: its label or line, in each language.
struct BoxName {
    QString chn;
    QString por;
};

struct RefusedInputMessage {
    QString code;
    QString chn;
    QString por;
    QString eng;
};

RefusedInputMessage RefusedInputMsg(const qx::FieldValueError& error, const BoxName& box);
