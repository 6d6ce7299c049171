#pragma once
// A small pull scanner for the XML of data packets: start and end tags with their attributes,
// nothing else. It keeps an explicit stack of open elements (no recursion), checks that tags
// nest and that one root element holds everything, skips comments and processing instructions,
// and refuses what a packet never holds (text content, DOCTYPE, CDATA, control characters).
// Names are any run of characters up to a delimiter, so names may start with a digit.

#include <QString>
#include <QStringView>
#include <vector>

namespace qx {

// A fault in the packet text at `offset` (UTF-16 units from the start).
struct PacketFault {
    qsizetype offset;
    QString message;
};

struct ScannedAttribute {
    QStringView name;
    QStringView rawValue;    // between the quotes, references not yet resolved
    qsizetype valueOffset;   // of the first character of the value
    bool plain;              // holds no reference and no literal tab or line break
};

class PacketScanner {
public:
    enum class Token { StartElement, EndElement, End };

    explicit PacketScanner(QStringView text);

    // The next tag; throws PacketFault.
    Token next();
    // Of the last StartElement or EndElement.
    QStringView name() const { return name_; }
    qsizetype offset() const { return tokenOffset_; }
    // Of the last StartElement.
    bool selfClosing() const { return selfClosing_; }
    const std::vector<ScannedAttribute>& attributes() const { return attributes_; }
    // Nesting depth after the last token (the root's start tag gives 1).
    int depth() const { return static_cast<int>(open_.size()); }

    // The value with references resolved and literal tabs and line breaks read as blanks, as
    // XML reads attribute values. Throws PacketFault at a bad reference.
    static QString value(const ScannedAttribute& attribute);

private:
    [[noreturn]] void fail(qsizetype offset, const QString& message) const;
    void skipBlanks();
    void skipPast(QStringView terminator, const char* what);
    QStringView scanName();
    void scanStartTag();
    void scanEndTag();
    void checkCharacter(qsizetype offset) const;

    const char16_t* text_;
    qsizetype size_;
    qsizetype pos_ = 0;
    QStringView name_;
    qsizetype tokenOffset_ = 0;
    bool selfClosing_ = false;
    bool rootClosed_ = false;
    std::vector<ScannedAttribute> attributes_;
    std::vector<QStringView> open_;
};

}  // namespace qx
