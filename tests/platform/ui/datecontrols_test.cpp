// Date picker with "no date" and the month calendar that refuses dates outside its range.
#include "platform/ui/datecontrols.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include "base/values.h"
#include "support/ui_input.h"

namespace tolvar::ui {
namespace {

base::Date D(int y, int m, int d) { return *base::MakeDate(y, m, d); }

TEST(DateConversion, SerialDaysRoundTrip) {
  struct Case {
    base::Date serial;
    QDate date;
  } const cases[] = {{0, QDate(1899, 12, 30)},
                     {2, QDate(1900, 1, 1)},
                     {61, QDate(1900, 3, 1)},
                     {D(2024, 2, 29), QDate(2024, 2, 29)},
                     {D(2024, 2, 29) + 0.75, QDate(2024, 2, 29)}};
  for (const Case& c : cases) {
    EXPECT_EQ(ToQDate(c.serial), c.date) << c.serial;
    EXPECT_EQ(FromQDate(c.date), std::floor(c.serial)) << c.serial;
  }
  EXPECT_FALSE(FromQDate(QDate()).has_value());
}

TEST(DatePicker, NoDateRoundTripAndChange) {
  DatePicker picker;
  int changes = 0;
  QObject::connect(&picker, &DatePicker::Change, [&] { ++changes; });
  EXPECT_EQ(picker.Value(), base::kNoDate);  // starts empty
  EXPECT_FALSE(picker.HasDate());
  EXPECT_EQ(picker.text().trimmed(), QString());

  struct Step {
    base::Date set;
    base::Date expect;
    int changes;  // total so far
  } const steps[] = {
      {D(2025, 3, 14), D(2025, 3, 14), 1},
      {D(2025, 3, 14) + 0.5, D(2025, 3, 14), 1},  // the time is dropped: no change
      {base::kNoDate, base::kNoDate, 2},
      {base::kNoDate, base::kNoDate, 2},
      {base::kZeroDate, base::kNoDate, 2},  // earlier serials mean "no date" too
      {D(1999, 12, 31), D(1999, 12, 31), 3},
      {D(1900, 1, 2), D(1900, 1, 2), 4},
  };
  for (const Step& s : steps) {
    picker.SetValue(s.set);
    EXPECT_EQ(picker.Value(), s.expect) << s.set;
    EXPECT_EQ(changes, s.changes) << s.set;
  }
  picker.SetValue(D(2025, 3, 14));
  EXPECT_EQ(picker.text(), QStringLiteral("14.03.2025"));
  picker.ClearDate();
  EXPECT_EQ(picker.text().trimmed(), QString());
}

TEST(DatePicker, DeleteKeyClearsTheDate) {
  DatePicker picker;
  picker.SetValue(D(2025, 6, 1));
  int changes = 0;
  QObject::connect(&picker, &DatePicker::Change, [&] { ++changes; });
  QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(&picker, &del);
  EXPECT_EQ(picker.Value(), base::kNoDate);
  EXPECT_EQ(changes, 1);
}

TEST(DatePicker, DropDownWithoutDateOpensAtTheCurrentMonth) {
  DatePicker picker;
  picker.show();
  QCalendarWidget* popup = picker.calendarWidget();
  ASSERT_NE(popup, nullptr);
  popup->window()->show();
  const base::Date today = base::Today();
  EXPECT_EQ(popup->yearShown(), base::Year(today));
  EXPECT_EQ(popup->monthShown(), base::Month(today));
  popup->window()->hide();
  EXPECT_EQ(picker.Value(), base::kNoDate);  // only the page moved
}

// Tab and Shift+Tab leave the picker at once, empty or holding a date, and change nothing.
TEST(DatePicker, TabAndShiftTabLeaveWithAndWithoutDate) {
  QWidget window;
  auto* before = new QLineEdit(&window);
  auto* picker = new DatePicker(&window);
  auto* after = new QLineEdit(&window);
  QWidget::setTabOrder(before, picker);
  QWidget::setTabOrder(picker, after);
  window.show();
  ASSERT_TRUE(test::ActivateWindowOf(&window));
  for (const base::Date value : {base::kNoDate, D(2025, 6, 1)}) {
    for (const bool forward : {true, false}) {
      picker->SetValue(value);
      ASSERT_TRUE(test::FocusByClick(picker));
      ASSERT_TRUE(test::FocusByTab(forward));
      EXPECT_EQ(test::FocusWidget(), forward ? after : before) << value << (forward ? " Tab" : " Shift+Tab");
      EXPECT_EQ(picker->Value(), value);
    }
  }
}

TEST(MonthCalendar, RefusesValuesOutsideTheRange) {
  MonthCalendar calendar;
  ASSERT_TRUE(calendar.SetValue(D(2025, 5, 10)));
  ASSERT_TRUE(calendar.SetMinDate(D(2025, 1, 1)));
  ASSERT_TRUE(calendar.SetMaxDate(D(2025, 12, 31)));
  struct Case {
    base::Date date;
    bool accepted;
  } const cases[] = {
      {D(2024, 12, 31), false}, {D(2025, 1, 1), true},       {D(2025, 12, 31), true},
      {D(2026, 1, 1), false},   {D(2025, 7, 4) + 0.9, true},
  };
  base::Date expected = D(2025, 5, 10);
  for (const Case& c : cases) {
    EXPECT_EQ(calendar.SetValue(c.date), c.accepted) << c.date;
    if (c.accepted) expected = std::floor(c.date);
    EXPECT_EQ(calendar.Value(), expected) << c.date;  // a refused date leaves the value
  }
}

TEST(MonthCalendar, RefusesAnEmptyRange) {
  MonthCalendar calendar;
  ASSERT_TRUE(calendar.SetValue(D(2025, 5, 10)));
  ASSERT_TRUE(calendar.SetMaxDate(D(2025, 6, 30)));
  EXPECT_FALSE(calendar.SetMinDate(D(2025, 7, 1)));
  EXPECT_EQ(calendar.MinDate(), D(1753, 1, 1));
  ASSERT_TRUE(calendar.SetMinDate(D(2025, 6, 1)));
  EXPECT_FALSE(calendar.SetMaxDate(D(2025, 5, 31)));
  EXPECT_EQ(calendar.MaxDate(), D(2025, 6, 30));
  EXPECT_EQ(calendar.Value(), D(2025, 6, 1));  // moved into the narrowed range
}

TEST(MonthCalendar, ClickOnADayRaisesDateClick) {
  MonthCalendar calendar;
  calendar.resize(400, 300);
  calendar.show();
  ASSERT_TRUE(calendar.SetValue(D(2025, 5, 10)));
  std::vector<base::Date> clicked;
  QObject::connect(&calendar, &MonthCalendar::DateClick, [&](base::Date d) { clicked.push_back(d); });
  calendar.SetValue(D(2025, 5, 12));  // from code: no DateClick
  auto* view = calendar.findChild<QTableView*>();
  ASSERT_NE(view, nullptr);
  QApplication::processEvents();
  // The cell of the 20th: found by its text in the month view.
  QModelIndex target;
  for (int r = 0; r < view->model()->rowCount() && !target.isValid(); ++r) {
    for (int c = 0; c < view->model()->columnCount(); ++c) {
      const QModelIndex i = view->model()->index(r, c);
      if (r > 0 && view->model()->data(i).toString() == QStringLiteral("20")) target = i;
    }
  }
  ASSERT_TRUE(target.isValid());
  ASSERT_TRUE(test::Click(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(target).center()));
  EXPECT_EQ(clicked, (std::vector<base::Date>{D(2025, 5, 20)}));
  EXPECT_EQ(calendar.Value(), D(2025, 5, 20));
}

}  // namespace
}  // namespace tolvar::ui
