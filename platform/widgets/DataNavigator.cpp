#include "platform/widgets/DataNavigator.h"

#include "platform/widgets/DataSource.h"
#include "platform/widgets/WidgetErrors.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

DataNavigator::DataNavigator(QWidget* parent) : QWidget(parent), DataAware(this)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                            QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    for (int b = First; b <= Last; ++b) {
        buttons_[b] = new QToolButton(this);
        buttons_[b]->setIcon(style()->standardIcon(icons[b]));
        buttons_[b]->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(buttons_[b]);
        connect(buttons_[b], &QToolButton::clicked, this, [this, b] { move(Button(b)); });
    }
    refresh();
}

void DataNavigator::refresh()
{
    if (!buttons_[Last])
        return;
    const bool active = sourceActive();
    qx::ClientDataSet* ds = active ? dataSource()->dataSet() : nullptr;
    const bool canBack = active && !ds->bof();
    const bool canForward = active && !ds->eof();
    buttons_[First]->setEnabled(canBack);
    buttons_[Prior]->setEnabled(canBack);
    buttons_[Next]->setEnabled(canForward);
    buttons_[Last]->setEnabled(canForward);
}

void DataNavigator::move(Button b)
{
    if (!sourceActive())
        return;
    qx::ClientDataSet& ds = *dataSource()->dataSet();
    try {
        switch (b) {
        case First: ds.first(); break;
        case Prior: ds.prior(); break;
        case Next: ds.next(); break;
        case Last: ds.last(); break;
        }
    } catch (const std::exception& e) {
        ReportWidgetError(e);
    }
    refresh();
}
