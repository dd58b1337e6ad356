#include "support/schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace tolvar::test {
namespace {

struct Table {
  std::string script;     // stem of the script, e.g. "tolvar_schema"
  std::string statement;  // CREATE TABLE ... ;
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

size_t SkipSpace(std::string_view text, size_t i) {
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  return i;
}

// Splits a script into statements (each with its ";"), leaving out comments and keeping
// quoted names and string literals whole.
std::vector<std::string> Statements(std::string_view script) {
  std::vector<std::string> out;
  std::string current;
  for (size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
      while (i < script.size() && script[i] != '\n') ++i;
      current += '\n';
    } else if (c == '/' && i + 1 < script.size() && script[i + 1] == '*') {
      const size_t end = script.find("*/", i + 2);
      i = end == std::string_view::npos ? script.size() : end + 1;
      current += ' ';
    } else if (c == '"' || c == '\'' || c == '`' || c == '[') {
      const char close = c == '[' ? ']' : c;
      current += c;
      for (++i; i < script.size(); ++i) {
        current += script[i];
        if (script[i] != close) continue;
        if (close != ']' && i + 1 < script.size() && script[i + 1] == close) {
          current += script[++i];  // doubled quote inside the name or literal
          continue;
        }
        break;
      }
    } else if (c == ';') {
      current += c;
      const size_t start = SkipSpace(current, 0);
      out.push_back(current.substr(start));
      current.clear();
    } else {
      current += c;
    }
  }
  return out;
}

// The table name of a CREATE TABLE statement, unquoted; "" for any other statement.
std::string TableName(std::string_view statement) {
  if (!StartsWithNoCase(statement, "CREATE")) return "";
  size_t i = SkipSpace(statement, 6);
  if (!StartsWithNoCase(statement.substr(i), "TABLE")) return "";
  i = SkipSpace(statement, i + 5);
  if (StartsWithNoCase(statement.substr(i), "IF")) {
    i = SkipSpace(statement, i + 2);
    if (StartsWithNoCase(statement.substr(i), "NOT")) i = SkipSpace(statement, i + 3);
    if (StartsWithNoCase(statement.substr(i), "EXISTS")) i = SkipSpace(statement, i + 6);
  }
  if (i >= statement.size()) return "";
  std::string name;
  const char open = statement[i];
  if (open == '"' || open == '`' || open == '[') {
    const char close = open == '[' ? ']' : open;
    for (++i; i < statement.size(); ++i) {
      if (statement[i] == close) {
        if (close != ']' && i + 1 < statement.size() && statement[i + 1] == close) {
          name += statement[++i];
          continue;
        }
        break;
      }
      name += statement[i];
    }
  } else {
    while (i < statement.size() && statement[i] != '(' && !std::isspace(static_cast<unsigned char>(statement[i]))) {
      name += statement[i++];
    }
  }
  return name;
}

// Every CREATE TABLE of every script, by plain name; read once.
const std::multimap<std::string, Table>& Tables() {
  static const std::multimap<std::string, Table> tables = [] {
    std::multimap<std::string, Table> out;
    std::vector<std::filesystem::path> scripts;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(TOLVAR_SCHEMA_DIR, ec)) {
      if (entry.path().extension() == ".sql") scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    for (const auto& path : scripts) {
      std::ifstream in(path, std::ios::binary);
      std::stringstream text;
      text << in.rdbuf();
      for (std::string& statement : Statements(text.str())) {
        std::string name = TableName(statement);
        if (!name.empty()) out.emplace(std::move(name), Table{path.stem().string(), std::move(statement)});
      }
    }
    return out;
  }();
  return tables;
}

const Table* Find(std::string_view table) {
  const auto& tables = Tables();
  // Qualified: "<script stem>.<table>".
  if (const size_t dot = table.find('.'); dot != std::string_view::npos) {
    const std::string_view script = table.substr(0, dot);
    const auto [first, last] = tables.equal_range(std::string(table.substr(dot + 1)));
    for (auto it = first; it != last; ++it) {
      if (it->second.script == script) return &it->second;
    }
    return nullptr;
  }
  const auto [first, last] = tables.equal_range(std::string(table));
  if (first == last) return nullptr;
  if (std::next(first) == last) return &first->second;
  // Several scripts define it: the script named after the table decides.
  for (auto it = first; it != last; ++it) {
    if (it->second.script == Lower(table)) return &it->second;
  }
  return nullptr;
}

}  // namespace

std::string SchemaOf(std::string_view table) {
  const Table* found = Find(table);
  if (!found) {
    ADD_FAILURE() << "no single CREATE TABLE for \"" << table << "\" in " << TOLVAR_SCHEMA_DIR;
    return "";
  }
  return found->statement;
}

std::string SchemaOf(std::initializer_list<std::string_view> tables) {
  std::string out;
  for (const std::string_view table : tables) out += SchemaOf(table) + "\n";
  return out;
}

}  // namespace tolvar::test
