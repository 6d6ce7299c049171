#pragma once
// The program's version is built into its file as a marker ("QXFILEVERSION=" + version) and read
// back from the file, so a copied or renamed program still reports the version it was built with.

#include <QByteArrayView>
#include <QString>

namespace qx {

// The version built into this program ("1.0.0.0").
QString builtFileVersion();

// The version marker found in the file at `path`; "" when the file cannot be read or holds none.
QString fileVersionOf(const QString& path);

// The version carried by `bytes`: the first marker followed by a non-empty run of digits and dots
// ending the string; "" when there is none.
QString findFileVersion(QByteArrayView bytes);

}  // namespace qx
