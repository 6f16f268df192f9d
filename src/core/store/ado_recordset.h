// One prepared statement on the connection, kept from call to call. Values reach the database
// only as bound parameters, never inside the statement text, so no text a device or the
// operator supplies can change what a statement does.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3_stmt;

namespace brelvo::core {

class CADODatabase;

// A value for one statement parameter.
using SqlValue = std::variant<int64_t, double, std::string>;

class CADORecordset {
public:
    enum class Step { kRow, kDone, kError };

    CADORecordset() = default;
    CADORecordset(CADORecordset&&) noexcept = default;
    CADORecordset& operator=(CADORecordset&&) noexcept = default;
    ~CADORecordset();

    // Prepares the query on an open connection; any previous statement is finalized first.
    bool Open(CADODatabase& database, std::string_view query);
    bool IsOpen() const { return statement_ != nullptr; }

    // Parameters are numbered from 1. Texts are copied, so the caller's buffer may go away.
    bool Bind(int index, int64_t value);
    bool Bind(int index, double value);
    bool Bind(int index, std::string_view text);
    bool BindValue(int index, const SqlValue& value);

    // The first call runs the statement; each call moves to the next row of the result.
    Step MoveNext();
    // Runs a statement that returns no rows to its end.
    bool Execute();

    // Columns of the current row, numbered from 0 in the statement's own select list. A NULL
    // reads as 0 or as an empty text. A text stays valid until the next MoveNext or Close.
    int64_t GetInt(int column) const;
    double GetDouble(int column) const;
    std::string_view GetText(int column) const;

    // Ends the current result and forgets the bound values; the statement stays prepared.
    void Close();

    const std::string& LastError() const { return last_error_; }

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const;
    };

    bool Checked(int code);
    void NoteError(int code, std::string_view description);

    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
    std::string query_;
    std::string last_error_;
};

// Closes a recordset when the operation that uses it ends, however it ends.
class RecordsetUse {
public:
    explicit RecordsetUse(CADORecordset& recordset) : recordset_(recordset) {}
    RecordsetUse(const RecordsetUse&) = delete;
    RecordsetUse& operator=(const RecordsetUse&) = delete;
    ~RecordsetUse() { recordset_.Close(); }

private:
    CADORecordset& recordset_;
};

}  // namespace brelvo::core
