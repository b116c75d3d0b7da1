// libFuzzer: configuration templates. Arbitrary bytes as an INI file of
// setting_file_dir are loaded into the page's values as "Sync Template
// parameters" does, and the frame is built from them as the write does (the
// drive is not touched). Any input must give values and a result (crash, hang
// or sanitizer report = bug).
#include "core/configuration/cconfigtemplate.h"
#include "core/configuration/cconfigvalues.h"
#include "core/configuration/cconfigwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir *workDir = nullptr;
const QDateTime now(QDate(2026, 3, 7), QTime(14, 5, 9));

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    workDir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A new name each time: QSettings keeps what it read of a file it knows.
    static quint64 count = 0;
    const QString path = workDir->filePath(QStringLiteral("t%1.ini").arg(++count));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    CConfigValues values = CConfigValues::defaults(now);
    CConfigTemplate::load(path, values, now);
    QFile::remove(path);

    CConfigWriter::Environment env;
    env.now = now;
    env.zoneComment = QStringLiteral("(UTC+08:00) Beijing");
    for (bool humidity : { false, true }) {
        env.humidity = humidity;
        CConfigValues copy = values;
        QByteArray frame;
        if (CConfigWriter::buildFrame(copy, CConfigWriter::Advanced, workDir->path(), env, &frame)
                == CConfigWriter::Written
            && frame.size() != 102)
            __builtin_trap();
    }
    return 0;
}
