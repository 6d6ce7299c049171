#pragma once
// The message dialog's pictures, drawn at run time.

#include <QPixmap>
#include <QString>

// A 100 x 24 tab picture: the language's name in grey.
QPixmap LanguageTabPicture(const QString& name, const QFont& font);
// A 32 x 32 picture per dialog type: 0 a yellow warning triangle, 1 a red circle with a white
// cross, 2 a blue speech bubble with an i, 3 a blue speech bubble with a question mark.
QPixmap DialogTypePicture(int dlgType);
