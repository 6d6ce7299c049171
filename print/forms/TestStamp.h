#pragma once
// The test stamp of M/1 on A4: a small boxed picture, 189 × 22 pixels, reading
// "測試頁 Página de Teste", printed on a test page only.

#include <QImage>

QImage TestStampPicture();
