#pragma once
// Date controls holding serial days (base::Date, days since 30.12.1899).
// - DatePicker: a date box with a "no date" state. "No date" is 01.01.1900 (base::kNoDate) and
//   shows as an empty box; any serial before it also means "no date".
// - MonthCalendar: a month sheet whose Value, MinDate and MaxDate refuse invalid settings
//   (a value outside [MinDate, MaxDate], MinDate > MaxDate) and report it, instead of clamping.

#include <QDate>
#include <QDateEdit>
#include <QWidget>

#include "base/values.h"

class QCalendarWidget;

namespace tolvar::ui {

// Conversions between serial days and QDate; an invalid QDate gives nullopt / is invalid.
QDate ToQDate(base::Date date);
std::optional<base::Date> FromQDate(const QDate& date);

class DatePicker : public QDateEdit {
  Q_OBJECT

 public:
  explicit DatePicker(QWidget* parent = nullptr);

  // The day shown (whole days), or base::kNoDate when no date is set.
  base::Date Value() const;
  // Shows the day of `date` (its time is dropped); base::kNoDate or earlier clears the box.
  void SetValue(base::Date date);
  bool HasDate() const { return Value() != base::kNoDate; }
  void ClearDate() { SetValue(base::kNoDate); }

 Q_SIGNALS:
  // The value changed, by the user or from code; once per change.
  void Change();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Tab and Shift+Tab leave the picker at once, with a date or without one, instead of
  // walking its day, month and year.
  bool focusNextPrevChild(bool next) override;

 private:
  base::Date m_last = base::kNoDate;
};

class MonthCalendar : public QWidget {
  Q_OBJECT

 public:
  explicit MonthCalendar(QWidget* parent = nullptr);

  base::Date Value() const;
  // Selects the day of `date`; false (and no change) outside [MinDate, MaxDate].
  bool SetValue(base::Date date);
  base::Date MinDate() const { return m_min; }
  base::Date MaxDate() const { return m_max; }
  // False (and no change) when the range would be empty. A value outside the new range is
  // moved to its nearest end.
  bool SetMinDate(base::Date date);
  bool SetMaxDate(base::Date date);

 Q_SIGNALS:
  // The user clicked a day; the value is that day.
  void DateClick(tolvar::base::Date date);

 private:
  void applyRange();

  QCalendarWidget* m_calendar = nullptr;
  base::Date m_min;
  base::Date m_max;
};

}  // namespace tolvar::ui
