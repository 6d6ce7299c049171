#pragma once
// A field of a ClientDataSet: its definition plus typed access to the value of the dataset's
// active record (the edit buffer in edit or insert state, the record being calculated inside
// OnCalcFields, otherwise the current record).

#include "FieldDef.h"
#include "Value.h"

#include <QString>
#include <functional>

namespace qx {

class ClientDataSet;
class Field;

// OnGetText: fills `text` for display (displayText true) or editing.
using GetTextHandler = std::function<void(Field& sender, QString& text, bool displayText)>;

class Field {
public:
    Field(ClientDataSet& owner, const FieldDef& def, int index);
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    ClientDataSet& dataSet() const { return owner_; }
    const FieldDef& def() const { return def_; }
    const QString& fieldName() const { return def_.name; }
    FieldType dataType() const { return def_.type; }
    FieldKind fieldKind() const { return def_.kind; }
    bool isData() const { return def_.kind == FieldKind::Data; }
    int size() const { return def_.size; }
    int index() const { return index_; }  // position among the dataset's fields
    QString displayLabel() const { return def_.displayLabel.isEmpty() ? def_.name : def_.displayLabel; }
    const QString& displayFormat() const { return def_.displayFormat; }
    const QString& editFormat() const { return def_.editFormat; }
    bool readOnly() const { return def_.readOnly; }
    Alignment alignment() const { return def_.alignment; }

    GetTextHandler onGetText;

    // Reading. Null reads as "", 0, false or an invalid date; asCurrency of an integer field
    // converts, asInteger of a currency truncates toward zero. A value that cannot be read as
    // the asked type (text that is no number, an i8 beyond 32 bits for asInteger) throws
    // DataSetError.
    const Value& value() const;
    bool isNull() const;
    QString asString() const;      // plain text: "1234.5", "True"/"False", dd/mm/yyyy (hh:nn:ss)
    std::int32_t asInteger() const;
    std::int64_t asLargeInt() const;
    Currency asCurrency() const;
    bool asBoolean() const;
    QDate asDate() const;
    QDateTime asDateTime() const;

    // Display text through OnGetText when set, else the value formatted by the display pattern
    // (Boolean by displayValues); null shows as "".
    QString displayText() const;
    // Edit text: through OnGetText(displayText=false), else the edit pattern, else asString.
    QString text() const;

    // Writing: only in edit or insert state (or on calculated fields while calculating);
    // otherwise throws DataSetError("Dataset not in edit or insert mode"). Values are converted to
    // the field's type (an empty text is null for every type; a currency into an integer field
    // rounds half away from zero); a text wider than a String data field (Big5 bytes; calculated
    // texts have no limit), an integer out of its bounds or text that is not a value of the type
    // throws DataSetError naming the field and changes nothing; a number beyond the currency
    // range throws CurrencyOverflow. Setting a data field recomputes the calculated fields.
    void setValue(const Value& v);
    void clear();
    void setAsString(const QString& text);  // "" sets null (all types)
    void setAsInteger(std::int32_t v);
    void setAsLargeInt(std::int64_t v);
    void setAsCurrency(Currency v);
    void setAsBoolean(bool v);
    void setAsDate(const QDate& v);
    void setAsDateTime(const QDateTime& v);

private:
    ClientDataSet& owner_;
    const FieldDef& def_;
    int index_;
};

}  // namespace qx
