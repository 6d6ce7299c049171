// The pop-up calendar of a date edit: where it opens, the date it starts on, and what closing it
// writes.
#include "core/util/Clock.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataSource.h"
#include "ui/dialogs/CalendarPlacement.h"
#include "ui/dialogs/TFormDBEditCalendar.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(CalendarPlacement, UnderTheEditElseRightAlignedOrAboveWithinTheAvailableArea)
{
    const QSize calendar(267, 215);
    const QRect screen(0, 0, 1280, 1024);
    const QRect rightMonitor(1280, 0, 1920, 1040);  // a second monitor with a task bar under it
    struct Case {
        QRect edit;
        QRect available;
        QPoint expected;
    };
    const Case cases[] = {
        {{100, 100, 120, 24}, screen, {98, 122}},               // under the edit
        {{1200, 100, 60, 24}, screen, {1200 + 60 - 267 + 2, 122}},  // right edge: right-aligned
        {{100, 900, 120, 24}, screen, {98, 900 + 2 - 215}},     // bottom edge: above
        {{1200, 900, 60, 24}, screen, {995, 687}},              // corner: both
        {{1300, 100, 120, 24}, rightMonitor, {1298, 122}},      // on the second monitor: room
        {{1300, 900, 120, 24}, rightMonitor, {1298, 687}},      // above the task bar
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalendarPosition(c.edit, calendar, c.available), c.expected) << c.edit.x() << "," << c.edit.y();
}

class Calendar : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFixedNow(QDateTime(QDate(2024, 3, 15), QTime(10, 0)));
        ds.setFieldDefs({qx::FieldDef{.name = QStringLiteral("D"), .type = qx::FieldType::Date}});
        ds.createDataSet();
        source.setDataSet(&ds);
        edit.setDataSource(&source);
        edit.setDataField(QStringLiteral("D"));
        edit.setGeometry(100, 100, 120, 24);
        edit.show();
    }
    void TearDown() override
    {
        calendar.hide();
        edit.setDataSource(nullptr);
        source.setDataSet(nullptr);
        SetFixedNow(QDateTime());
    }
    void addRow(const QDate& date)
    {
        ds.append();
        if (date.isValid())
            ds.fieldByName(u"D").setAsDate(date);
        ds.post();
    }
    void press(int key)
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(calendar.MonthCalendar, &e);
    }

    qx::ClientDataSet ds{QStringLiteral("cdsDates")};
    DataSource source;
    DataEdit edit;
    TFormDBEditCalendar calendar;
};

TEST_F(Calendar, StartsOnTheFieldsDateOrTodayAndEnterWritesTheShownDateWithoutPosting)
{
    addRow(QDate());
    calendar.ShowFor(edit);
    EXPECT_EQ(calendar.MonthCalendar->selectedDate(), QDate(2024, 3, 15));
    calendar.MonthCalendar->setSelectedDate(QDate(2023, 12, 31));
    press(Qt::Key_Return);
    EXPECT_FALSE(calendar.isVisible());
    EXPECT_EQ(ds.fieldByName(u"D").asDate(), QDate(2023, 12, 31));
    EXPECT_TRUE(ds.editing()) << "the record is posted with the page";
    ds.post();

    calendar.ShowFor(edit);
    EXPECT_EQ(calendar.MonthCalendar->selectedDate(), QDate(2023, 12, 31));
    calendar.MonthCalendar->setSelectedDate(QDate(2024, 1, 2));
    calendar.SpeedButton1->click();
    EXPECT_EQ(ds.fieldByName(u"D").asDate(), QDate(2024, 1, 2));
}

TEST_F(Calendar, EscCancelAndAClickElsewhereWriteNothing)
{
    addRow(QDate(2020, 5, 1));
    for (int way = 0; way < 3; ++way) {
        calendar.ShowFor(edit);
        calendar.MonthCalendar->setSelectedDate(QDate(2021, 1, 1));
        if (way == 0)
            press(Qt::Key_Escape);
        else if (way == 1)
            calendar.SpeedButton2->click();
        else {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(&calendar, &deactivate);
        }
        EXPECT_FALSE(calendar.isVisible()) << way;
        EXPECT_EQ(ds.fieldByName(u"D").asDate(), QDate(2020, 5, 1)) << way;
        EXPECT_FALSE(ds.editing()) << way;
    }
}

// The calendar is moved by its arrows and clicks only: a digit typed into it shows no date of its
// own, which Enter (taken by the calendar's key preview) would ignore.
TEST_F(Calendar, ADigitTypedShowsNoDateThatEnterWouldIgnore)
{
    addRow(QDate(2020, 5, 1));
    calendar.ShowFor(edit);
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
    QApplication::sendEvent(calendar.MonthCalendar->focusProxy(), &digit);
    for (const QLabel* label : calendar.MonthCalendar->findChildren<QLabel*>())
        EXPECT_FALSE(label->isVisible()) << qPrintable(label->text());
    press(Qt::Key_Return);
    EXPECT_EQ(ds.fieldByName(u"D").asDate(), QDate(2020, 5, 1));
}

// The year typed into the calendar's own year box, a day clicked, Enter: the field gets a date
// the folder can hold (years 1 to 9999), the one the calendar shows.
TEST_F(Calendar, AYearTypedBeforeOneOrAfter9999NeverReachesTheField)
{
    addRow(QDate());
    for (const char* typed : {"-44", "0", "10000", "99999"}) {
        ds.edit();
        ds.fieldByName(u"D").setAsDate(QDate(2020, 5, 1));
        ds.post();
        calendar.ShowFor(edit);
        auto* yearButton = calendar.MonthCalendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_yearbutton"));
        auto* yearEdit = calendar.MonthCalendar->findChild<QSpinBox*>(QStringLiteral("qt_calendar_yearedit"));
        auto* days = calendar.MonthCalendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
        ASSERT_TRUE(yearButton && yearEdit && days);
        QTest::mouseClick(yearButton, Qt::LeftButton);
        ASSERT_TRUE(yearEdit->isVisible()) << typed;
        yearEdit->selectAll();
        QTest::keyClicks(yearEdit, QLatin1String(typed));
        // A click on a day: the first ends the year's typing and shows that year, the second
        // picks the day.
        const QModelIndex cell = days->model()->index(3, 3);
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(cell).center());
        const QDate chosen = calendar.MonthCalendar->selectedDate();
        EXPECT_NE(chosen, QDate(2020, 5, 1)) << typed;
        press(Qt::Key_Return);
        EXPECT_FALSE(calendar.isVisible()) << typed;
        EXPECT_EQ(ds.fieldByName(u"D").asDate(), chosen) << typed;
        EXPECT_GE(chosen.year(), 1) << typed;
        EXPECT_LE(chosen.year(), 9999) << typed;
        if (ds.editing())
            ds.post();
    }
}

TEST_F(Calendar, AnEmptyDatasetGetsARecordBeforeTheDate)
{
    calendar.ShowFor(edit);
    calendar.MonthCalendar->setSelectedDate(QDate(2024, 2, 29));
    press(Qt::Key_Enter);
    EXPECT_EQ(ds.state(), qx::DataSetState::Insert);
    EXPECT_EQ(ds.fieldByName(u"D").asDate(), QDate(2024, 2, 29));
}

TEST_F(Calendar, OpensUnderTheEditOnItsScreen)
{
    calendar.ShowFor(edit);
    const QRect editRect(edit.mapToGlobal(QPoint(0, 0)), edit.size());
    EXPECT_EQ(calendar.pos(), CalendarPosition(editRect, calendar.size(), edit.screen()->availableGeometry()));
}

}  // namespace
