#include "ui/editors/LayoutPage.h"

#include "platform/data/ClientDataSet.h"
#include "platform/image/PagePicture.h"
#include "platform/layout/Coordinates.h"
#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataCheckBox.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataText.h"
#include "ui/editors/LayoutBoxNames.h"
#include "ui/framework/BoxNames.h"
#include "ui/framework/PagePictureLabel.h"
#include "ui/framework/TFormFill.h"

#include <QToolButton>
#include <map>

namespace {

const char* const kLayoutRect = "layoutRect";

Qt::Alignment alignmentOf(qx::BoxAlign align)
{
    switch (align) {
    case qx::BoxAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case qx::BoxAlign::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case qx::BoxAlign::Right: break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

QString nameOr(const qx::Box& box, const char* prefix)
{
    return box.name.isEmpty() ? QString::fromLatin1(prefix) + box.field : box.name;
}

// A box printed smaller than the editors' font shows its text as small on the page's picture.
void followPrintedSize(QWidget& control, const qx::Box& box, QPointF pxPerMm)
{
    const int px = qx::editorFontPx(box.fontPx, pxPerMm);
    if (px == control.font().pixelSize())
        return;
    QFont font = control.font();
    font.setPixelSize(px);
    control.setFont(font);
}

}  // namespace

EditorPageSpec LayoutPageSpec(const QString& layout, int tab, qx::ClientDataSet* dataSet, int pageCode,
                              const QString& reportForm, const QString& reportBand, int minLeft, int maxLeft)
{
    const qx::PageLayout& l = qx::pageLayout(layout);
    EditorPageSpec spec;
    spec.tab = QString::number(tab);
    spec.dataSet = dataSet;
    spec.pageCode = pageCode;
    spec.pictureSize = qx::pagePictureSize(layout);
    spec.loadPicture = [layout] { return qx::pagePicture(layout); };
    const QString first = QStringLiteral("DBEditP%1_First").arg(tab);
    const QString last = QStringLiteral("DBEditP%1_Last").arg(tab);
    for (const qx::Box& box : l.boxes) {
        if (box.name == first)
            spec.firstField = box.field;
        if (box.name == last)
            spec.lastField = box.field;
    }
    spec.reportForm = reportForm;
    spec.reportBand = reportBand;
    spec.minLeft = minLeft;
    spec.maxLeft = maxLeft;
    return spec;
}

void AddLayoutBoxes(TFormFill& form, int page, const QString& layout, const BoxHooks& hooks)
{
    const qx::PageLayout& l = qx::pageLayout(layout);
    TFormFill::Page& pg = form.PageAt(page);
    const QString first = QStringLiteral("DBEditP%1_First").arg(page + 1);
    const QString last = QStringLiteral("DBEditP%1_Last").arg(page + 1);
    const QSize shown = pg.ImageForm ? pg.ImageForm->size() : QSize();
    const QSize picture = shown.isEmpty() ? l.picturePx : shown;
    const QPointF pxPerMm = qx::pixelsPerMm(picture, l.paperMm);
    std::map<QString, DataEdit*> lastEditOf;
    DataEdit* namedFirst = nullptr;
    DataEdit* namedLast = nullptr;
    std::map<QString, int> datesOf;
    for (const qx::Box& box : l.boxes) {
        const QRect rect = qx::editorRect(box.mm, pxPerMm);
        QWidget* control = nullptr;
        switch (box.kind) {
        case qx::BoxKind::Edit: {
            DataEdit* edit = form.AddEdit(page, box.field, rect);
            edit->setObjectName(nameOr(box, "DBEdit"));
            if (const BoxName named = LayoutBoxName(l, box); !named.chn.isEmpty())
                SetBoxName(*edit, named);
            followPrintedSize(*edit, box, pxPerMm);
            const qx::Field* f = pg.spec.dataSet ? pg.spec.dataSet->findField(box.field) : nullptr;
            if (hooks.dateHint && f && f->dataType() == qx::FieldType::Date)
                edit->setToolTip(QStringLiteral("日/月/年 d/m/a"));
            lastEditOf[box.field] = edit;
            if (box.name == first)
                namedFirst = edit;
            if (box.name == last)
                namedLast = edit;
            control = edit;
            break;
        }
        case qx::BoxKind::TickBox: {
            DataCheckBox* tick = form.AddCheckBox(page, box.field, rect);
            tick->setObjectName(nameOr(box, "DBCheckBox"));
            if (hooks.tickBox)
                hooks.tickBox(*tick, box);
            control = tick;
            break;
        }
        case qx::BoxKind::DataText:
        case qx::BoxKind::HeaderText: {
            const bool header = box.kind == qx::BoxKind::HeaderText;
            DataText* text = form.AddText(page, box.field, rect, header ? hooks.header : nullptr);
            text->setObjectName(nameOr(box, "DBText"));
            followPrintedSize(*text, box, pxPerMm);
            text->setAlignment(alignmentOf(box.align));
            // An auto-sized text is as high as its font: centred on its box's line.
            text->move(text->x(), rect.top() + qMax(0, (rect.height() - text->sizeHint().height()) / 2));
            control = text;
            break;
        }
        case qx::BoxKind::DateButton: {
            DataEdit* edit = lastEditOf[box.field];
            if (!edit)
                throw qx::LayoutError(("date button before its edit: " + layout + " " + box.field).toStdString());
            QToolButton* button = form.AddDateButton(page, edit, rect);
            button->setText(QStringLiteral("…"));
            if (hooks.dateButtonName)
                button->setObjectName(hooks.dateButtonName(box, datesOf[box.field]++));
            break;
        }
        case qx::BoxKind::CalcButton: {
            if (!hooks.calcButton)
                throw qx::LayoutError(("auto-calc button without a handler: " + layout + " " + box.field).toStdString());
            NamedCalcButton named = hooks.calcButton(box);
            QToolButton* button = form.AddAutoCalcButton(page, std::move(named.calc), rect);
            button->setObjectName(named.name);
            button->setText(QStringLiteral("="));
            break;
        }
        case qx::BoxKind::SumLabel:  // printed faces only
        case qx::BoxKind::Mark:
        case qx::BoxKind::Column:
            break;
        }
        if (control)
            control->setProperty(kLayoutRect, rect);
    }
    // A field with two boxes: the page's first and last boxes are the named ones.
    if (namedFirst)
        pg.First = namedFirst;
    if (namedLast)
        pg.Last = namedLast;
}

QRect LayoutRectOf(const QWidget& control)
{
    const QVariant rect = control.property(kLayoutRect);
    return rect.isValid() ? rect.toRect() : control.geometry();
}
