#include "core/store/ado_recordset.h"

#include <sqlite3.h>

#include <cstdio>

#include "core/store/ado_database.h"

namespace brelvo::core {

void CADORecordset::Finalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

CADORecordset::~CADORecordset() = default;

bool CADORecordset::Open(CADODatabase& database, std::string_view query) {
    statement_.reset();
    query_ = std::string(query);
    if (!database.IsOpen()) {
        NoteError(SQLITE_MISUSE, "the connection is not open");
        return false;
    }
    sqlite3_stmt* raw = nullptr;
    const int code =
        sqlite3_prepare_v3(database.Handle(), query_.data(), static_cast<int>(query_.size()),
                           SQLITE_PREPARE_PERSISTENT, &raw, nullptr);
    statement_.reset(raw);
    if (code != SQLITE_OK || raw == nullptr) {
        NoteError(code, sqlite3_errmsg(database.Handle()));
        statement_.reset();
        return false;
    }
    return true;
}

bool CADORecordset::Bind(int index, int64_t value) {
    return IsOpen() && Checked(sqlite3_bind_int64(statement_.get(), index, value));
}

bool CADORecordset::Bind(int index, double value) {
    return IsOpen() && Checked(sqlite3_bind_double(statement_.get(), index, value));
}

bool CADORecordset::Bind(int index, std::string_view text) {
    // A null pointer would bind NULL; an empty text must stay an empty text.
    static constexpr char kEmpty[] = "";
    const char* data = text.empty() ? kEmpty : text.data();
    return IsOpen() && Checked(sqlite3_bind_text64(statement_.get(), index, data, text.size(),
                                                   SQLITE_TRANSIENT, SQLITE_UTF8));
}

bool CADORecordset::BindValue(int index, const SqlValue& value) {
    return std::visit(
        [&](const auto& v) {
            using Value = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<Value, std::string>)
                return Bind(index, std::string_view(v));
            else
                return Bind(index, v);
        },
        value);
}

CADORecordset::Step CADORecordset::MoveNext() {
    if (!IsOpen())
        return Step::kError;
    const int code = sqlite3_step(statement_.get());
    if (code == SQLITE_ROW)
        return Step::kRow;
    if (code == SQLITE_DONE)
        return Step::kDone;
    NoteError(code, sqlite3_errmsg(sqlite3_db_handle(statement_.get())));
    return Step::kError;
}

bool CADORecordset::Execute() {
    Step step = MoveNext();
    while (step == Step::kRow)
        step = MoveNext();
    return step == Step::kDone;
}

int64_t CADORecordset::GetInt(int column) const {
    return sqlite3_column_int64(statement_.get(), column);
}

double CADORecordset::GetDouble(int column) const {
    return sqlite3_column_double(statement_.get(), column);
}

std::string_view CADORecordset::GetText(int column) const {
    const auto* text = sqlite3_column_text(statement_.get(), column);
    if (text == nullptr)
        return {};
    const int size = sqlite3_column_bytes(statement_.get(), column);
    return std::string_view(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
}

void CADORecordset::Close() {
    if (!IsOpen())
        return;
    sqlite3_reset(statement_.get());
    sqlite3_clear_bindings(statement_.get());
}

bool CADORecordset::Checked(int code) {
    if (code == SQLITE_OK)
        return true;
    NoteError(code, sqlite3_errmsg(sqlite3_db_handle(statement_.get())));
    return false;
}

void CADORecordset::NoteError(int code, std::string_view description) {
    char code_text[16];
    std::snprintf(code_text, sizeof code_text, "%08x", static_cast<unsigned>(code));
    last_error_ = std::string("CADORecordset Error\n\tCode = ") + code_text +
                  "\n\tCode meaning = " + sqlite3_errstr(code) + "\n\tSource = SQLite" +
                  "\n\tDescription = " + std::string(description) + "\nQuery = " + query_;
}

}  // namespace brelvo::core
