#pragma once
// Date boxes: data texts that print their date field with a fixed pattern whose blanks fill the
// gaps between the boxes of the paper form ("dd   mm   yyyy"). An empty date prints nothing.

#include <QDate>
#include <QString>
#include <vector>

struct DateBoxSpec {
    const char* form;     // "FormRpt_M1"
    const char* layout;   // the page layout the box comes from, "M1P3"
    const char* field;    // the date field
    int occurrence;       // 1 for the field's first box on the page, 2 for its second
    const char* name;     // the data text's name
    const char* pattern;  // dd, mm and yyyy with blanks between
};

const std::vector<DateBoxSpec>& DateBoxSpecs();

// The date in the pattern; "" for a null or invalid date and for the zero date 30/12/1899.
QString FormatDateBox(const QDate& date, const QString& pattern);
