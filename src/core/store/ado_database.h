// The connection to the scratch database file: a thin owner of one SQLite connection. Every
// failure is kept as a diagnostic text and returned as false; nothing throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;

namespace brelvo::core {

class CADODatabase {
public:
    CADODatabase() = default;
    CADODatabase(const CADODatabase&) = delete;
    CADODatabase& operator=(const CADODatabase&) = delete;
    ~CADODatabase();

    // Makes a new, empty database file; false when one already exists or it cannot be made.
    bool CreateDatabaseFile(const std::filesystem::path& file);

    // Opens an existing file for reading and writing; an open connection is closed first. A
    // symbolic link is refused, since the fallback folders are shared with other users.
    bool Open(const std::filesystem::path& file);
    bool IsOpen() const { return connection_ != nullptr; }
    void Close();

    // Runs a statement that takes no values and returns no rows.
    bool Execute(std::string_view statement);
    // Rows changed by the last INSERT, UPDATE or DELETE on this connection.
    int64_t RowsAffected() const;

    const std::string& LastError() const { return last_error_; }
    sqlite3* Handle() const { return connection_.get(); }

private:
    struct Closer {
        void operator()(sqlite3* connection) const;
    };

    void NoteError(int code, std::string_view description);

    std::unique_ptr<sqlite3, Closer> connection_;
    std::filesystem::path file_;
    std::string last_error_;
};

}  // namespace brelvo::core
