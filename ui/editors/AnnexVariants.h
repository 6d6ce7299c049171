#pragma once
// The six annex editors are one editor class and six descriptions of a variant: its pages with
// their datasets, page codes and first and last boxes, its report form, its tick boxes and date
// button, and its auto-calc buttons with where their values come from.

#include "ui/editors/M1AutoCalc.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// How an annex auto-calc button computes its value.
enum class AnnexValue {
    Copy,        // the source field (null counts 0)
    Losses,      // written-off total minus alienation total of M/3A, negative proposed as 0
    Gains,       // alienation total minus written-off total, negative proposed as 0
    Reversals,   // the seven provision-reversal amounts of M/4 page 1
};

struct AnnexCalcButton {
    const char* button;  // "SpeedButton5"
    int page;            // page of the target, 1 or 2
    QString target;
    QStringList recalc;  // datasets brought up to date first, in this order
    AnnexValue value;
    FieldSource source;  // for Copy
    QString msgCode;     // the overflow message; empty for the Anexo A buttons, which have none
};

struct AnnexPage {
    const char* layout;  // page layout and picture, "AnexoAP1"
    const char* dataSet; // "cdsAnexoAP1"
    int pageCode;
    const char* firstField;
    const char* lastField;
};

struct AnnexVariant {
    const char* editor;    // "TFormFillAnexoA"
    const char* instance;  // "FormFillAnexoA"
    QString caption;
    std::array<AnnexPage, 2> pages;
    const char* reportForm;
    bool iibiPair;    // the II_B_I pair of tick boxes on page 1
    bool dateButton;  // SpeedButton8 beside II_B_II on page 1
    std::vector<AnnexCalcButton> buttons;
};

const std::vector<AnnexVariant>& AnnexVariants();
// The variant of an editor class name; throws std::out_of_range for an unknown one.
const AnnexVariant& AnnexVariantOf(const QString& editor);
// The button of a variant whose target is `target`, or nullptr.
const AnnexCalcButton* AnnexCalcButtonFor(const AnnexVariant& variant, const QString& target);

// The overflow message of an Anexo B button: Chinese and Portuguese text.
struct MessageTexts {
    QString chn, por;
};
MessageTexts AnnexOverflowMessage(const QString& code);
