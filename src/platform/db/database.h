#pragma once
// A small data-access layer over SQLite: databases opened (never created) by path, recordsets
// walked in table order, fields read and written as variants that convert silently to and
// from German number text.
// Values from users are always bound parameters; identifiers are always quoted.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/values.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tolvar::db {

// A field value: Null, integer, real or text. Null and the empty text are different.
class Value {
 public:
  enum class Type { Null, Integer, Real, Text };

  Value() = default;  // Null
  Value(std::nullptr_t) {}
  Value(int v) : type_(Type::Integer), int_(v) {}
  Value(int64_t v) : type_(Type::Integer), int_(v) {}
  Value(double v) : type_(Type::Real), real_(v) {}
  Value(std::string v) : type_(Type::Text), text_(std::move(v)) {}
  Value(std::string_view v) : type_(Type::Text), text_(v) {}
  Value(const char* v) : type_(Type::Text), text_(v) {}

  static Value Null() { return Value(); }
  // Boolean as the system stores it: -1 True, 0 False.
  static Value Bool(bool b) { return Value(b ? -1 : 0); }
  // A day as ISO text "yyyy-mm-dd" (date columns), a moment as "yyyy-mm-dd hh:mm:ss".
  static Value Day(base::Date d);
  static Value Moment(base::Date d);

  Type type() const { return type_; }
  bool isNull() const { return type_ == Type::Null; }

  // Conversions, independent of the system locale:
  // Null -> ""; integer and real -> general German number text ("2,5"); text as stored.
  std::string text() const;
  // Integer and real as they are; text parsed as German number text; otherwise nullopt.
  std::optional<double> number() const;
  double numberOr(double fallback = 0.0) const;
  int64_t integerOr(int64_t fallback = 0) const;
  // True when neither Null nor zero (a text counts by its number; a non-number text is True
  // unless empty).
  bool boolean() const;
  // ISO text, German date text, or a number as serial days; otherwise nullopt.
  std::optional<base::Date> date() const;

  bool operator==(const Value& other) const;

 private:
  Type type_ = Type::Null;
  int64_t int_ = 0;
  double real_ = 0.0;
  std::string text_;
};

// Double-quotes an identifier (doubling inner quotes): umlauts, blanks, hyphens and a
// leading blank are kept exactly.
std::string QuoteIdentifier(std::string_view name);

class Database;

// An RAII transaction: rolls back when it ends without Commit().
class Transaction {
 public:
  explicit Transaction(Database* db);
  Transaction(Transaction&& other) noexcept;
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction();
  bool active() const { return db_ != nullptr; }
  bool Commit();
  void Rollback();

 private:
  Database* db_ = nullptr;
};

// The rows of a table or query, read at open time, in table order unless the query orders
// them. A recordset opened on a table can edit, add and delete rows; every change is
// written at once (Update / Delete) to the row addressed by its rowid.
class Recordset {
 public:
  Recordset() = default;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  int RecordCount() const { return static_cast<int>(rows_.size()); }
  bool Eof() const { return pos_ >= static_cast<int>(rows_.size()); }
  bool Bof() const { return pos_ < 0 || rows_.empty(); }
  void MoveFirst() { pos_ = 0; }
  void MoveNext() {
    if (pos_ < static_cast<int>(rows_.size())) ++pos_;
  }
  void MovePrevious() {
    if (pos_ >= 0) --pos_;
  }
  void MoveLast() { pos_ = static_cast<int>(rows_.size()) - 1; }
  void MoveTo(int index) { pos_ = index; }
  int Position() const { return pos_; }

  const std::vector<std::string>& ColumnNames() const { return columns_; }
  // Column index by name, case-blind (ASCII); -1 when there is no such column.
  int ColumnIndex(std::string_view name) const;
  bool HasColumn(std::string_view name) const { return ColumnIndex(name) >= 0; }

  // Field of the current row (of the edit buffer while editing). An unknown column or no
  // current row gives Null.
  const Value& Field(std::string_view name) const;
  const Value& Field(int index) const;
  const Value& operator[](std::string_view name) const { return Field(name); }

  // Editing (recordsets opened on a table only).
  bool Edit();    // starts editing the current row
  bool AddNew();  // starts a new row (all Null)
  // Sets a field of the edit buffer; false for an unknown column.
  bool SetField(std::string_view name, Value value);
  // Writes the edit buffer. A text written to a numeric column is converted from German
  // number text; a text that is not a number fails the update and writes nothing. A number
  // written to a text column becomes German number text. A new row is appended to the
  // recordset; the current position stays.
  bool Update();
  void CancelUpdate();
  // Deletes the current row from the table and from the recordset; the position then
  // points at the row that followed.
  bool Delete();
  int64_t RowId() const;

  // Orders the rows by `column` as the database's ORDER BY does: Null first, then numbers by
  // value, then texts byte by byte; rows of equal value keep their order. Sorting the rows
  // read is much cheaper than letting the database sort whole rows of an unindexed column.
  // False for an unknown column or while editing.
  bool SortBy(std::string_view column);

 private:
  friend class Database;
  Database* db_ = nullptr;
  std::string table_;  // empty for read-only query results
  std::vector<std::string> columns_;
  std::vector<std::string> declaredTypes_;
  std::vector<int64_t> rowids_;
  std::vector<std::vector<Value>> rows_;
  int pos_ = 0;
  enum class EditMode { None, Edit, Add } mode_ = EditMode::None;
  int editIndex_ = -1;  // row being edited (EditMode::Edit)
  std::vector<Value> buffer_;
  std::vector<bool> changed_;
  std::string error_;

  bool Fail(std::string message);
  bool CurrentRow() const { return pos_ >= 0 && pos_ < static_cast<int>(rows_.size()); }
  // Reads one row of the table back as stored.
  bool ReadRow(int64_t rowid, std::vector<Value>* row);
};

class Database {
 public:
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens an existing database file; never creates one. A missing file, a folder or a file
  // that is not a database gives nullptr and a reason in *error.
  static std::unique_ptr<Database> Open(const std::string& path, std::string* error = nullptr);
  // Creates a new, empty database file (generators and tests); fails when the file exists.
  static std::unique_ptr<Database> Create(const std::string& path, std::string* error = nullptr);

  const std::string& path() const { return path_; }

  // Table lookup ignores ASCII case: "Betriebeinstellungen" finds "BetriebEinstellungen".
  // TableName gives the stored spelling.
  bool HasTable(std::string_view name) const;
  std::optional<std::string> TableName(std::string_view name) const;
  std::vector<std::string> Tables() const;
  std::vector<std::string> Columns(std::string_view table) const;
  // The column names of a table given in its stored spelling, read from the schema without
  // touching a row; false with the reason in *error.
  bool ReadColumns(std::string_view storedTable, std::vector<std::string>* names, std::string* error) const;
  // The number of rows of a table given in its stored spelling, counted over the table's own
  // pages (never an index standing in for them), so a damaged page fails without a row being
  // decoded; nullopt with the reason in *error.
  std::optional<int64_t> CountRows(std::string_view storedTable, std::string* error);
  // Reads every page of the tables given in their stored spelling (every table of the file
  // when none is given) and of each of their indexes, without decoding a row: a page the
  // engine cannot read, or an index holding another number of entries than its table has
  // rows, is damage. False with the reason in *error.
  bool CheckPages(const std::vector<std::string>& storedTables, std::string* error);

  // Runs one statement with bound parameters; false and LastError() on failure.
  bool Execute(std::string_view sql, const std::vector<Value>& params = {});
  // Runs a script of several statements without parameters (schemas, seeds).
  bool ExecuteScript(std::string_view sql);

  // The rows of a query (read-only).
  Recordset Query(std::string_view sql, const std::vector<Value>& params = {});
  // All rows of a table in table order (rowid); editable.
  Recordset OpenTable(std::string_view table);
  // The rows of a table matching `where` (an SQL condition with ? parameters; quote
  // identifiers with QuoteIdentifier), in `orderBy` order or table order; editable.
  Recordset OpenTable(std::string_view table, std::string_view where, const std::vector<Value>& params,
                      std::string_view orderBy = "");

  // The first value of the first row of a query; Null when there is no row.
  Value Scalar(std::string_view sql, const std::vector<Value>& params = {});

  Transaction BeginTransaction() { return Transaction(this); }

  int64_t LastInsertRowId() const;
  int Changes() const;
  const std::string& LastError() const { return lastError_; }
  sqlite3* handle() const { return db_; }

 private:
  Database(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}
  friend class Recordset;
  friend class Transaction;
  void SetError(std::string_view operation);
  // A failed step of `operation` with result `rc`: sets LastError() and hands damage to the
  // damage reporter.
  void StepFailed(std::string_view operation, int rc);
  // The prepared statement for `sql` from the cache of this open database, prepared on first
  // use; nullptr with the reason in *error. The caller resets it after stepping
  // (detail::ResetOnExit); the database finalizes it.
  sqlite3_stmt* Prepared(std::string_view sql, std::string* error) const;
  // Names and declared types of a table's columns (stored table name).
  bool ReadTableInfo(const std::string& table, std::vector<std::string>* names, std::vector<std::string>* types,
                     std::string* error) const;
  // Steps `stmt` to its end, appending the rows (the first column is the rowid when
  // withRowId) to *rs; on failure sets the errors and leaves no rows.
  bool LoadRows(sqlite3_stmt* stmt, bool withRowId, Recordset* rs);
  sqlite3* db_ = nullptr;
  std::string path_;
  std::string lastError_;
  // Statements by their SQL text: a save that writes hundreds of rows prepares its few
  // statements once.
  mutable std::unordered_map<std::string, sqlite3_stmt*> statements_;
};

// Damage that shows in the header of the database file at `path` before any page is read:
// a size that is no whole number of pages, or fewer pages than the header promises (the
// page count at offset 28 counts when the number at offset 92 equals the change counter at
// offset 24). Empty when there is none, when the file is no database of the engine, or
// while a journal beside it may still roll the file back.
std::string HeaderDamage(const std::string& path);

// Whether an engine result code says the file is damaged or cannot be read: a damaged page,
// a read or write error of the disk, or a file that is no database.
bool IsDamage(int resultCode);

// Files found unusable: Open refuses them for the rest of the run (or until UnblockFile, for
// a file replaced by a sound copy, or UnblockAllFiles), so nothing is read from or written to
// them.
void BlockFile(const std::string& path);
void UnblockFile(const std::string& path);
void UnblockAllFiles();

// Receives each failure of the engine that IsDamage, met while rows are read, with the
// database's path and the technical text. Set by the layer that reports to the user; none
// by default.
using DamageReporter = void (*)(const std::string& path, const std::string& error);
void SetDamageReporter(DamageReporter reporter);

// Writes the one row of a single-row table (settings tables): edits its first row, or adds
// it when the table is empty, with the fields setFields sets. When setFields fails (a column
// is missing) the row is left unwritten. False with a reason in *error when the database,
// the table or the write fails.
bool WriteSingleRow(const std::string& path, std::string_view table, const std::function<bool(Recordset&)>& setFields,
                    std::string* error);

}  // namespace tolvar::db
