// Recordsets: rows held in memory, edited through a buffer and written by rowid.

#include <algorithm>
#include <cmath>

#include "platform/db/database.h"
#include "platform/db/statement.h"

namespace tolvar::db {

namespace {

const Value& NullValue() {
  static const Value kNull;
  return kNull;
}

// Converts a value for a column of the given affinity:
// German number text into numeric columns, numbers as German text into text columns.
// False (and *error) for a text a numeric column cannot take.
bool ConvertForColumn(const Value& in, detail::Affinity affinity, const std::string& column, Value* out,
                      std::string* error) {
  using detail::Affinity;
  const bool numeric = affinity == Affinity::Integer || affinity == Affinity::Real || affinity == Affinity::Numeric;
  if (numeric && in.type() == Value::Type::Text) {
    const std::string text = in.text();
    if (base::Trim(text).empty()) {
      *out = Value();
      return true;
    }
    const std::optional<double> n = base::ParseNumber(text);
    if (!n) {
      *error = "update: '" + text + "' is not a number for column '" + column + "'";
      return false;
    }
    // Whole numbers stay exact integers where the column holds integers.
    constexpr double kExact = 9007199254740992.0;  // 2^53
    if (affinity != Affinity::Real && std::trunc(*n) == *n && std::fabs(*n) <= kExact) {
      *out = Value(static_cast<int64_t>(*n));
    } else {
      *out = Value(*n);
    }
    return true;
  }
  if (affinity == Affinity::Text && (in.type() == Value::Type::Integer || in.type() == Value::Type::Real)) {
    *out = Value(in.text());
    return true;
  }
  *out = in;
  return true;
}

}  // namespace

int Recordset::ColumnIndex(std::string_view name) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (base::AsciiEqualsNoCase(columns_[i], name)) return static_cast<int>(i);
  }
  return -1;
}

const Value& Recordset::Field(std::string_view name) const { return Field(ColumnIndex(name)); }

const Value& Recordset::Field(int index) const {
  if (index < 0 || index >= static_cast<int>(columns_.size())) return NullValue();
  if (mode_ != EditMode::None) return buffer_[static_cast<size_t>(index)];
  if (!CurrentRow()) return NullValue();
  const std::vector<Value>& row = rows_[static_cast<size_t>(pos_)];
  return static_cast<size_t>(index) < row.size() ? row[static_cast<size_t>(index)] : NullValue();
}

bool Recordset::Fail(std::string message) {
  error_ = std::move(message);
  if (db_ != nullptr) db_->lastError_ = error_;
  return false;
}

bool Recordset::Edit() {
  if (db_ == nullptr || table_.empty()) return Fail("edit: the recordset is read-only");
  if (!CurrentRow()) return Fail("edit: no current row");
  mode_ = EditMode::Edit;
  editIndex_ = pos_;
  buffer_ = rows_[static_cast<size_t>(pos_)];
  changed_.assign(columns_.size(), false);
  error_.clear();
  return true;
}

bool Recordset::AddNew() {
  if (db_ == nullptr || table_.empty()) return Fail("add: the recordset is read-only");
  mode_ = EditMode::Add;
  editIndex_ = -1;
  buffer_.assign(columns_.size(), Value());
  changed_.assign(columns_.size(), false);
  error_.clear();
  return true;
}

bool Recordset::SetField(std::string_view name, Value value) {
  if (mode_ == EditMode::None) return Fail("set field: not editing");
  const int index = ColumnIndex(name);
  if (index < 0) return Fail("set field: no column '" + std::string(name) + "'");
  buffer_[static_cast<size_t>(index)] = std::move(value);
  changed_[static_cast<size_t>(index)] = true;
  return true;
}

bool Recordset::ReadRow(int64_t rowid, std::vector<Value>* row) {
  std::string sql = "SELECT ";
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (i > 0) sql += ", ";
    sql += QuoteIdentifier(columns_[i]);
  }
  sql += " FROM " + QuoteIdentifier(table_) + " WHERE rowid=?";
  std::string error;
  sqlite3_stmt* stmt = db_->Prepared(sql, &error);
  if (stmt == nullptr || !detail::BindAll(stmt, {Value(rowid)}, &error)) return false;
  const detail::ResetOnExit reset(stmt);
  if (sqlite3_step(stmt) != SQLITE_ROW) return false;
  row->clear();
  row->reserve(columns_.size());
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    row->push_back(detail::ReadColumn(stmt, i));
  }
  return true;
}

bool Recordset::Update() {
  if (mode_ == EditMode::None) return Fail("update: not editing");
  if (mode_ == EditMode::Edit && (editIndex_ < 0 || editIndex_ >= static_cast<int>(rows_.size()))) {
    return Fail("update: the edited row is gone");
  }

  // Convert everything first: a value a column cannot take writes nothing.
  std::vector<std::string> names;
  std::vector<Value> params;
  std::vector<Value> converted = buffer_;
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (!changed_[i]) continue;
    std::string error;
    const detail::Affinity affinity = detail::AffinityOf(i < declaredTypes_.size() ? declaredTypes_[i] : std::string());
    if (!ConvertForColumn(buffer_[i], affinity, columns_[i], &converted[i], &error)) {
      return Fail(error);
    }
    names.push_back(QuoteIdentifier(columns_[i]));
    params.push_back(converted[i]);
  }

  const std::string table = QuoteIdentifier(table_);
  std::string sql;
  int64_t rowid = 0;
  if (mode_ == EditMode::Edit) {
    rowid = rowids_[static_cast<size_t>(editIndex_)];
    if (names.empty()) {  // nothing changed, nothing to write
      CancelUpdate();
      return true;
    }
    sql = "UPDATE " + table + " SET ";
    for (size_t i = 0; i < names.size(); ++i) {
      if (i > 0) sql += ", ";
      sql += names[i] + "=?";
    }
    sql += " WHERE rowid=?";
    params.push_back(Value(rowid));
  } else if (names.empty()) {
    sql = "INSERT INTO " + table + " DEFAULT VALUES";
  } else {
    sql = "INSERT INTO " + table + " (";
    std::string marks;
    for (size_t i = 0; i < names.size(); ++i) {
      if (i > 0) {
        sql += ", ";
        marks += ", ";
      }
      sql += names[i];
      marks += "?";
    }
    sql += ") VALUES (" + marks + ")";
  }

  if (!db_->Execute(sql, params)) return Fail("update: " + db_->LastError());
  if (mode_ == EditMode::Edit && db_->Changes() != 1) {
    return Fail("update: the row no longer exists in table '" + table_ + "'");
  }
  if (mode_ == EditMode::Add) rowid = db_->LastInsertRowId();

  // Show the row as stored (the column types may have converted it further).
  std::vector<Value> stored;
  if (!ReadRow(rowid, &stored)) stored = std::move(converted);
  if (mode_ == EditMode::Edit) {
    rows_[static_cast<size_t>(editIndex_)] = std::move(stored);
  } else {
    // A recordset past its end stays there; otherwise the position keeps its row.
    const bool atEnd = Eof();
    rows_.push_back(std::move(stored));
    rowids_.push_back(rowid);
    if (atEnd && pos_ >= 0) pos_ = static_cast<int>(rows_.size());
  }
  CancelUpdate();
  error_.clear();
  return true;
}

void Recordset::CancelUpdate() {
  mode_ = EditMode::None;
  editIndex_ = -1;
  buffer_.clear();
  changed_.clear();
}

bool Recordset::Delete() {
  if (db_ == nullptr || table_.empty()) return Fail("delete: the recordset is read-only");
  CancelUpdate();
  if (!CurrentRow()) return Fail("delete: no current row");
  const auto index = static_cast<size_t>(pos_);
  if (!db_->Execute("DELETE FROM " + QuoteIdentifier(table_) + " WHERE rowid=?", {Value(rowids_[index])})) {
    return Fail("delete: " + db_->LastError());
  }
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
  rowids_.erase(rowids_.begin() + static_cast<std::ptrdiff_t>(index));
  error_.clear();
  return true;
}

namespace {

// The order of two values in an ORDER BY: Null < numbers < texts (texts and blobs are both
// read as text).
int Rank(const Value& v) {
  switch (v.type()) {
    case Value::Type::Null:
      return 0;
    case Value::Type::Integer:
    case Value::Type::Real:
      return 1;
    case Value::Type::Text:
      break;
  }
  return 2;
}

bool OrderedBefore(const Value& a, const Value& b) {
  const int ra = Rank(a);
  const int rb = Rank(b);
  if (ra != rb) return ra < rb;
  if (ra == 1) {
    if (a.type() == Value::Type::Integer && b.type() == Value::Type::Integer) {
      return a.integerOr() < b.integerOr();
    }
    const auto exact = [](const Value& v) {
      return v.type() == Value::Type::Integer ? static_cast<long double>(v.integerOr())
                                              : static_cast<long double>(v.numberOr());
    };
    return exact(a) < exact(b);
  }
  if (ra == 2) return a.text() < b.text();
  return false;
}

}  // namespace

bool Recordset::SortBy(std::string_view column) {
  const int index = ColumnIndex(column);
  if (index < 0 || mode_ != EditMode::None) return false;
  const auto at = static_cast<size_t>(index);
  std::vector<size_t> order(rows_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [this, at](size_t a, size_t b) { return OrderedBefore(rows_[a][at], rows_[b][at]); });
  std::vector<std::vector<Value>> rows;
  rows.reserve(rows_.size());
  std::vector<int64_t> rowids;
  rowids.reserve(rowids_.size());
  for (size_t i : order) {
    rows.push_back(std::move(rows_[i]));
    if (i < rowids_.size()) rowids.push_back(rowids_[i]);
  }
  rows_ = std::move(rows);
  rowids_ = std::move(rowids);
  return true;
}

int64_t Recordset::RowId() const {
  if (rowids_.empty() || !CurrentRow()) return -1;
  return rowids_[static_cast<size_t>(pos_)];
}

}  // namespace tolvar::db
