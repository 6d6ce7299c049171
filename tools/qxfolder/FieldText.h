#pragma once
// Field values as qxfolder prints and reads them: amounts as exact decimals, Booleans TRUE/FALSE,
// dates dd/mm/yyyy, date-times dd/mm/yyyy hh:mm:ss, null as nothing; texts with CR, LF, TAB and
// backslash written as \r, \n, \t and \\.

#include "platform/data/Field.h"

#include <QString>

QString EscapeText(const QString& text);
QString UnescapeText(const QString& text);
QString ValueText(const qx::Value& value);
// Sets the field (in edit or insert state) from its text; throws qx::DataSetError naming the
// field when the text is not a value of its type.
void SetFieldFromText(qx::Field& field, const QString& text);
