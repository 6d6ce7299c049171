#pragma once
// Text conversions of the data packets: Big5 (CP950) encoding with numeric character
// references for what Big5 cannot hold, and decoding from any encoding iconv knows.

#include "Iconv.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <string>

namespace qx {

class Big5Encoder {
public:
    Big5Encoder();

    // Appends `text` in Big5. A character Big5 cannot hold (and an unpaired surrogate, as
    // U+FFFD) becomes "&#N;" when `escapeUnmappable`, else '?'.
    void append(std::string& out, QStringView text, bool escapeUnmappable);
    // The same for text known to hold no ASCII character.
    void appendNonAscii(std::string& out, QStringView text, bool escapeUnmappable);

private:
    Iconv iconv_;
};

class TextDecoder {
public:
    // Throws std::invalid_argument for an encoding the system does not know.
    explicit TextDecoder(const QByteArray& encoding);

    // Appends the decoded bytes to `out`. Strict: stops at the first byte sequence that is not
    // valid in the encoding and returns false, with `out` holding the text decoded up to it.
    bool decodeStrict(const QByteArray& bytes, QString& out);
    // Lenient: each invalid byte becomes U+FFFD.
    void decodeLenient(const QByteArray& bytes, QString& out);

private:
    template <class OnInvalid>
    bool decode(const QByteArray& bytes, QString& out, OnInvalid onInvalid);

    Iconv iconv_;
    bool asciiFastPath_;  // ASCII bytes below 0x40 always stand for themselves and end a character
};

}  // namespace qx
