#include "core/store/ado_database.h"

#include <sqlite3.h>

#include <cstdio>

namespace brelvo::core {

void CADODatabase::Closer::operator()(sqlite3* connection) const {
    // close_v2 defers the close until the last prepared statement is finalized, so the order in
    // which an owner destroys its statements and its connection cannot leak either.
    sqlite3_close_v2(connection);
}

CADODatabase::~CADODatabase() = default;

bool CADODatabase::CreateDatabaseFile(const std::filesystem::path& file) {
    sqlite3* raw = nullptr;
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        file_ = file;
        NoteError(SQLITE_CANTOPEN, "the database file already exists");
        return false;
    }
    const int code = sqlite3_open_v2(
        file.c_str(), &raw,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX,
        nullptr);
    std::unique_ptr<sqlite3, Closer> created(raw);
    file_ = file;
    if (code != SQLITE_OK) {
        NoteError(code, raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(code));
        return false;
    }
    // The open has made an empty file, which SQLite takes as an empty database.
    return true;
}

bool CADODatabase::Open(const std::filesystem::path& file) {
    Close();
    file_ = file;
    sqlite3* raw = nullptr;
    const int code = sqlite3_open_v2(
        file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX,
        nullptr);
    std::unique_ptr<sqlite3, Closer> opened(raw);
    if (code != SQLITE_OK) {
        NoteError(code, raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(code));
        return false;
    }
    sqlite3_extended_result_codes(raw, 1);
    connection_ = std::move(opened);
    return true;
}

void CADODatabase::Close() {
    connection_.reset();
}

bool CADODatabase::Execute(std::string_view statement) {
    if (!IsOpen()) {
        NoteError(SQLITE_MISUSE, "the connection is not open");
        return false;
    }
    // sqlite3_exec needs a terminated text; statements are short, fixed texts.
    const std::string text(statement);
    char* message = nullptr;
    const int code = sqlite3_exec(connection_.get(), text.c_str(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        NoteError(code, message != nullptr ? message : sqlite3_errmsg(connection_.get()));
        sqlite3_free(message);
        return false;
    }
    return true;
}

int64_t CADODatabase::RowsAffected() const {
    return IsOpen() ? sqlite3_changes64(connection_.get()) : 0;
}

void CADODatabase::NoteError(int code, std::string_view description) {
    char code_text[16];
    std::snprintf(code_text, sizeof code_text, "%08x", static_cast<unsigned>(code));
    last_error_ = std::string("CADODataBase Error\n\tCode = ") + code_text +
                  "\n\tCode meaning = " + sqlite3_errstr(code) + "\n\tSource = SQLite" +
                  "\n\tDescription = " + std::string(description) +
                  "\nConnection String = " + file_.string();
}

}  // namespace brelvo::core
