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

    bool complete() const
    {
        return prepare && parameterIndex && bindText && bindInt && step && reset && finalize && columnText
            && columnBytes && errorMessage;
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

} // namespace

CSqliteStatement::CSqliteStatement(const QSqlDatabase &database, const char *sql)
{
    const QSqlDriver *driver = database.driver();
    if (!driver || !database.isOpen() || database.driverName() != QLatin1String("QSQLITE"))
        return;
    const QVariant handle = driver->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    const SqliteApi &sqlite = api(driver);
    if (!connection || !sqlite.complete())
        return;
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
    sqlite.reset(m_stmt);
    return result == SQLITE_DONE;
}

QString CSqliteStatement::lastError() const
{
    if (!m_stmt)
        return QStringLiteral("no prepared statement");
    return QString::fromUtf8(api(nullptr).errorMessage(m_connection));
}

bool CSqliteStatement::next()
{
    if (!m_stmt)
        return false;
    const SqliteApi &sqlite = api(nullptr);
    if (sqlite.step(m_stmt) == SQLITE_ROW)
        return true;
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
