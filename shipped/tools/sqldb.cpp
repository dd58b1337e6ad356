// Builds one SQLite database from SQL script files: sqldb <output> <script>...
// The scripts run in the given order inside one transaction.
#include <iostream>

#include "sqlite_util.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: sqldb <output> <script>...\n";
    return 2;
  }
  try {
    shipped::NewDatabase db{std::filesystem::path(argv[1])};
    for (int i = 2; i < argc; ++i) {
      std::ifstream in(std::filesystem::path(argv[i]), std::ios::binary);
      if (!in) throw std::runtime_error(std::string("cannot read ") + argv[i]);
      std::stringstream text;
      text << in.rdbuf();
      db.exec(text.str());
    }
    db.commit();
  } catch (const std::exception& e) {
    std::cerr << "sqldb: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
