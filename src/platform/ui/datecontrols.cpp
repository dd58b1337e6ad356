#include "platform/ui/datecontrols.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <cmath>

namespace tolvar::ui {

namespace {

const QDate kEpoch(1899, 12, 30);
const QDate kFirstDay(1900, 1, 1);  // base::kNoDate
const QDate kLastDay(9999, 12, 31);
const QDate kCalendarFirstDay(1753, 1, 1);

}  // namespace

QDate ToQDate(base::Date date) {
  if (!std::isfinite(date) || std::abs(date) > 4.0e6) return QDate();
  return kEpoch.addDays(static_cast<qint64>(std::floor(date)));
}

std::optional<base::Date> FromQDate(const QDate& date) {
  if (!date.isValid()) return std::nullopt;
  return static_cast<base::Date>(kEpoch.daysTo(date));
}

// --- DatePicker ------------------------------------------------------------------------------

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
  setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  setCalendarPopup(true);
  // The first day stands for "no date" and shows as an empty box.
  setDateRange(kFirstDay, kLastDay);
  setSpecialValueText(QStringLiteral(" "));
  setDate(kFirstDay);
  calendarWidget()->installEventFilter(this);
  connect(this, &QDateEdit::dateChanged, this, [this] {
    const base::Date now = Value();
    if (now == m_last) return;
    m_last = now;
    Q_EMIT Change();
  });
}

base::Date DatePicker::Value() const {
  const auto value = FromQDate(date());
  return value && *value > base::kNoDate ? *value : base::kNoDate;
}

void DatePicker::SetValue(base::Date date) {
  const QDate day = ToQDate(date);
  setDate(day.isValid() && day > kFirstDay ? day : kFirstDay);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
  // Delete empties the box: the user's way to "no date".
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    SetValue(base::kNoDate);
    event->accept();
    return;
  }
  QDateEdit::keyPressEvent(event);
}

bool DatePicker::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
  // Without a date the drop-down calendar opens at the current month, not at 1900.
  if (watched == calendarWidget() && event->type() == QEvent::Show && !HasDate()) {
    const base::Date today = base::Today();
    calendarWidget()->setCurrentPage(base::Year(today), base::Month(today));
  }
  return QDateEdit::eventFilter(watched, event);
}

// --- MonthCalendar ---------------------------------------------------------------------------

MonthCalendar::MonthCalendar(QWidget* parent)
    : QWidget(parent),
      m_calendar(new QCalendarWidget(this)),
      m_min(*FromQDate(kCalendarFirstDay)),
      m_max(*FromQDate(kLastDay)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_calendar);
  m_calendar->setFirstDayOfWeek(Qt::Monday);
  m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  m_calendar->setLocale(QLocale(QLocale::German, QLocale::Germany));
  applyRange();
  SetValue(base::Today());
  connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate day) {
    if (const auto value = FromQDate(day)) Q_EMIT DateClick(*value);
  });
}

base::Date MonthCalendar::Value() const { return FromQDate(m_calendar->selectedDate()).value_or(m_min); }

bool MonthCalendar::SetValue(base::Date date) {
  const QDate day = ToQDate(date);
  if (!day.isValid()) return false;
  const base::Date whole = *FromQDate(day);
  if (whole < m_min || whole > m_max) return false;
  m_calendar->setSelectedDate(day);
  return true;
}

bool MonthCalendar::SetMinDate(base::Date date) {
  const QDate day = ToQDate(date);
  if (!day.isValid()) return false;
  const base::Date whole = *FromQDate(day);
  if (whole > m_max) return false;
  m_min = whole;
  applyRange();
  return true;
}

bool MonthCalendar::SetMaxDate(base::Date date) {
  const QDate day = ToQDate(date);
  if (!day.isValid()) return false;
  const base::Date whole = *FromQDate(day);
  if (whole < m_min) return false;
  m_max = whole;
  applyRange();
  return true;
}

void MonthCalendar::applyRange() {
  // The calendar itself moves a selection outside the range to the nearest end.
  m_calendar->setDateRange(ToQDate(m_min), ToQDate(m_max));
}

}  // namespace tolvar::ui
