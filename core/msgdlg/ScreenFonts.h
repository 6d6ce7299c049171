#pragma once
// The fonts the forms were designed with, on this system: a design family that is not installed
// is replaced by an installed one of the same kind ("細明體" by a CJK font, "Arial" by
// "Liberation Sans", which has the same widths).

#include <QFont>
#include <QString>
#include <QStringList>

// The family to use for `designFamily` among `installedFamilies` (case ignored): the design
// family itself when installed, else the first installed substitute, else the design family (the
// font system then picks one).
QString ScreenFontFamily(const QString& designFamily, const QStringList& installedFamilies);

// The same against the fonts installed on this system.
QString ScreenFontFamily(const QString& designFamily);

// A font of the design family (mapped) with a pixel height.
QFont DesignFontPixels(const QString& designFamily, int pixelHeight);
// A font of the design family (mapped) with a point size.
QFont DesignFontPoints(const QString& designFamily, int pointSize);
