#pragma once
// Pictures printed by the report forms: the whole-page picture of an M/1 page (under the values
// on plain A4) and the test stamp of a test page.

#include <QImage>
#include <QString>

// The picture of the paper page named like its layout ("M1P1"); a null image when there is none.
QImage PagePicture(const QString& layoutName);

// A small boxed picture, 189 × 22 pixels, reading "測試頁 Página de Teste".
QImage TestStampPicture();
