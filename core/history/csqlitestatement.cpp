#include "core/history/csqlitestatement.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <dlfcn.h>
#include <sqlite3.h>

namespace {

struct SqliteApi {
    decltype(&sqlite3_prepare_v2) prepare = nullptr;
    decltype(&sqlite3_bind_parameter_index) parameterIndex = nullptr;
    decltype(&sqlite3_bind_text) bindText = nullptr;
    decltype(&sqlite3_bind_int) bindInt = nullptr;
    decltype(&sqlite3_step) step = nullptr;
    decltype(&sqlite3_reset) reset = nullptr;
    decltype(&sqlite3_finalize) finalize = nullptr;
    decltype(&sqlite3_column_text) columnText = nullptr;
    decltype(&sqlite3_column_bytes) columnBytes = nullptr;
    decltype(&sqlite3_errmsg) errorMessage = nullptr;
    decltype(&sqlite3_errcode) errorCode = nullptr;
    decltype(&sqlite3_create_function_v2) createFunction = nullptr;
    decltype(&sqlite3_user_data) userData = nullptr;
    decltype(&sqlite3_value_type) valueType = nullptr;
    decltype(&sqlite3_value_text) valueText = nullptr;
    decltype(&sqlite3_value_bytes) valueBytes = nullptr;
    decltype(&sqlite3_result_text) resultText = nullptr;
    decltype(&sqlite3_result_null) resultNull = nullptr;

    bool complete() const
    {
        return prepare && parameterIndex && bindText && bindInt && step && reset && finalize && columnText
            && columnBytes && errorMessage && errorCode && createFunction && userData && valueType
            && valueText && valueBytes && resultText && resultNull;
    }
};

template <typename F> void resolve(void *library, const char *name, F &function)
{
    function = reinterpret_cast<F>(::dlsym(library, name));
}

// The driver's meta-object lives in the driver plugin; dlsym on the plugin
// searches the plugin and the libraries it was linked with, in that order.
SqliteApi lookUp(const QSqlDriver *driver)
{
    SqliteApi api;
    Dl_info info;
    if (!driver || !::dladdr(driver->metaObject(), &info) || !info.dli_fname)
        return api;
    void *library = ::dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return api;
    resolve(library, "sqlite3_prepare_v2", api.prepare);
    resolve(library, "sqlite3_bind_parameter_index", api.parameterIndex);
    resolve(library, "sqlite3_bind_text", api.bindText);
    resolve(library, "sqlite3_bind_int", api.bindInt);
    resolve(library, "sqlite3_step", api.step);
    resolve(library, "sqlite3_reset", api.reset);
    resolve(library, "sqlite3_finalize", api.finalize);
    resolve(library, "sqlite3_column_text", api.columnText);
    resolve(library, "sqlite3_column_bytes", api.columnBytes);
    resolve(library, "sqlite3_errmsg", api.errorMessage);
    resolve(library, "sqlite3_errcode", api.errorCode);
    resolve(library, "sqlite3_create_function_v2", api.createFunction);
    resolve(library, "sqlite3_user_data", api.userData);
    resolve(library, "sqlite3_value_type", api.valueType);
    resolve(library, "sqlite3_value_text", api.valueText);
    resolve(library, "sqlite3_value_bytes", api.valueBytes);
    resolve(library, "sqlite3_result_text", api.resultText);
    resolve(library, "sqlite3_result_null", api.resultNull);
    // The plugin stays loaded as long as Qt keeps it; this handle only adds
    // a reference, so dropping it changes nothing.
    ::dlclose(library);
    return api;
}

// Resolved once, by the first statement prepared; the later calls come from
// valid statements only and pass no driver.
const SqliteApi &api(const QSqlDriver *driver)
{
    static const SqliteApi resolved = lookUp(driver);
    return resolved;
}

// The connection handle behind an open QSQLITE connection; null when there
// is none or the SQLite functions cannot be reached.
sqlite3 *connectionOf(const QSqlDatabase &database)
{
    const QSqlDriver *driver = database.driver();
    if (!driver || !database.isOpen() || database.driverName() != QLatin1String("QSQLITE"))
        return nullptr;
    const QVariant handle = driver->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    return api(driver).complete() ? connection : nullptr;
}

// The fold function of addFoldFunction: ASCII texts (names, numbers) are
// lowered byte by byte, without a round trip through UTF-16.
void foldFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const SqliteApi &sqlite = api(nullptr);
    if (sqlite.valueType(arguments[0]) == SQLITE_NULL) {
        sqlite.resultNull(context);
        return;
    }
    const auto *utf8 = reinterpret_cast<const char *>(sqlite.valueText(arguments[0]));
    const int size = sqlite.valueBytes(arguments[0]);
    QByteArray out(utf8, size);
    bool ascii = true;
    for (char &c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    if (!ascii) {
        const auto function = reinterpret_cast<CSqliteStatement::TextFunction>(sqlite.userData(context));
        out = function(QString::fromUtf8(utf8, size)).toUtf8();
    }
    sqlite.resultText(context, out.constData(), out.size(), SQLITE_TRANSIENT);
}

} // namespace

bool CSqliteStatement::addFoldFunction(const QSqlDatabase &database, const char *name, TextFunction fold)
{
    sqlite3 *connection = connectionOf(database);
    if (!connection)
        return false;
    return api(nullptr).createFunction(connection, name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
               reinterpret_cast<void *>(fold), foldFunction, nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

CSqliteStatement::CSqliteStatement(const QSqlDatabase &database, const char *sql)
{
    sqlite3 *connection = connectionOf(database);
    if (!connection)
        return;
    const SqliteApi &sqlite = api(nullptr);
    if (sqlite.prepare(connection, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
        sqlite.finalize(m_stmt);
        m_stmt = nullptr;
        return;
    }
    m_connection = connection;
}

CSqliteStatement::~CSqliteStatement()
{
    if (m_stmt)
        api(nullptr).finalize(m_stmt);
}

int CSqliteStatement::parameterIndex(const char *name) const
{
    return m_stmt ? api(nullptr).parameterIndex(m_stmt, name) : 0;
}

void CSqliteStatement::bindText(int index, const QByteArray &utf8)
{
    if (!m_stmt)
        return;
    // constData() of an empty QByteArray is "", never a null pointer (NULL).
    api(nullptr).bindText(m_stmt, index, utf8.constData(), utf8.size(), SQLITE_STATIC);
}

void CSqliteStatement::bindInt(int index, int value)
{
    if (!m_stmt)
        return;
    api(nullptr).bindInt(m_stmt, index, value);
}

bool CSqliteStatement::exec()
{
    if (!m_stmt)
        return false;
    const SqliteApi &sqlite = api(nullptr);
    const int result = sqlite.step(m_stmt);
    m_failed = result != SQLITE_DONE;
    sqlite.reset(m_stmt);
    return !m_failed;
}

QString CSqliteStatement::lastError() const
{
    if (!m_stmt)
        return QStringLiteral("no prepared statement");
    return QString::fromUtf8(api(nullptr).errorMessage(m_connection));
}

int CSqliteStatement::errorCode() const
{
    return m_stmt ? api(nullptr).errorCode(m_connection) : 0;
}

bool CSqliteStatement::next()
{
    if (!m_stmt)
        return false;
    const SqliteApi &sqlite = api(nullptr);
    const int result = sqlite.step(m_stmt);
    if (result == SQLITE_ROW)
        return true;
    m_failed = result != SQLITE_DONE;
    sqlite.reset(m_stmt);
    return false;
}

QString CSqliteStatement::text(int column) const
{
    if (!m_stmt)
        return QString();
    const SqliteApi &sqlite = api(nullptr);
    // Text first, then its length: the order SQLite asks for.
    const auto *utf8 = reinterpret_cast<const char *>(sqlite.columnText(m_stmt, column));
    const int size = sqlite.columnBytes(m_stmt, column);
    // Sample values and times are a few ASCII characters: widening them is
    // cheaper than decoding (the history's reopening reads 150,000 of them).
    for (int i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(utf8[i]) >= 0x80)
            return QString::fromUtf8(utf8, size);
    }
    return QString::fromLatin1(utf8, size);
}
