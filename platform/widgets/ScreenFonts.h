#pragma once
// The font table: the families the forms were designed with, mapped to installed ones.
//   ScreenFontFamily(design)          the installed family to use for a design family
//   ScreenFontFamilies(design)        the family list a font of the design family is drawn with
//   DesignFontPixels / DesignFontPoints  a QFont of a design family with a size
//   InstalledDesignFamilies()         the installed families plus every design family whose
//                                     substitute is installed (a design family then counts as
//                                     installed, e.g. for the message dialog's first page)
// "新細明體"/"細明體" map to the Ming style (AR PL UMing), "標楷體" to the Kai style (AR PL UKai),
// both with WenQuanYi Micro Hei as the fallback; "Arial", "Courier New" and "Times New Roman" to
// the Liberation families of the same widths. A mapped Chinese family draws its Latin letters in
// Liberation Serif and its Han in the Chinese face (a family list: each character is taken from
// the first family that has it).

#include <QFont>
#include <QString>
#include <QStringList>

// The family to use for `designFamily` among `installedFamilies` (case ignored): the design
// family itself when installed, else the first installed substitute, else the design family (the
// font system then picks one).
QString ScreenFontFamily(const QString& designFamily, const QStringList& installedFamilies);

// The same against the fonts installed on this system.
QString ScreenFontFamily(const QString& designFamily);

// The families a font of `designFamily` is drawn with among `installedFamilies`: a Chinese design
// family that is not installed gives its Latin face, then its Chinese substitute; any other one
// ScreenFontFamily alone.
QStringList ScreenFontFamilies(const QString& designFamily, const QStringList& installedFamilies);
QStringList ScreenFontFamilies(const QString& designFamily);

// Sets the families of `font` to those of the design family (size and style kept).
void SetDesignFamily(QFont& font, const QString& designFamily);

// `installedFamilies` plus each design family of the table that has an installed substitute.
QStringList InstalledDesignFamilies(const QStringList& installedFamilies);
QStringList InstalledDesignFamilies();

// A font of the design family (mapped) with a pixel height.
QFont DesignFontPixels(const QString& designFamily, int pixelHeight);
// A font of the design family (mapped) with a point size.
QFont DesignFontPoints(const QString& designFamily, int pointSize);
