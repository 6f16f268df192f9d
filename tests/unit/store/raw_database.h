// Reads the store's file through a connection of its own, to see what the store wrote into
// columns that it never reads back. The store holds its file locked, so this reads a copy,
// which is whole whenever no store operation is running: every operation commits before it
// returns.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brelvo::test {

using RawRow = std::vector<std::string>;  // every value as SQLite's text of it; NULL as "NULL"

inline std::vector<RawRow> RawQuery(const std::filesystem::path& file, const std::string& sql) {
    std::vector<RawRow> rows;
    const std::filesystem::path copy = file.string() + ".copy";
    std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing);
    const struct RemoveCopy {
        std::filesystem::path path;
        ~RemoveCopy() { std::filesystem::remove(path); }
    } remove_copy{copy};
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(copy.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        ADD_FAILURE() << "cannot open " << file;
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
        sqlite3_close(db);
        return rows;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        RawRow row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = sqlite3_column_text(statement, i);
            row.emplace_back(text == nullptr ? std::string("NULL")
                                             : std::string(reinterpret_cast<const char*>(text),
                                                           sqlite3_column_bytes(statement, i)));
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

}  // namespace brelvo::test
