#pragma once
// CREATE TABLE statements taken from the schema scripts the build ships (shipped/sql), so
// fixture databases are built with the same tables as the real files.

#include <initializer_list>
#include <string>
#include <string_view>

namespace tolvar::test {

// The CREATE TABLE statement of `table`, ending in ";". A table is named either plainly
// ("Kulturen") or qualified by the stem of its script ("tolvar_schema.Material"). A plain
// name defined by several scripts means the one in the script named after the table:
// "Material" is the master-material table of material.sql, "tolvar_schema.Material" the
// culture material rows of an enterprise's own database. An unknown or ambiguous name
// adds a test failure and yields "".
std::string SchemaOf(std::string_view table);

// The statements of `tables` in the given order, one per line.
std::string SchemaOf(std::initializer_list<std::string_view> tables);

}  // namespace tolvar::test
