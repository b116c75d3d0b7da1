#include "core/compliance/cpasswordhash.h"

#include <QByteArray>
#include <QStringList>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace {

const char Scheme[] = "pbkdf2-sha256";
const int SaltBytes = 16;
const int KeyBytes = 32;

QByteArray derive(const QString &password, const QByteArray &salt, int iterations)
{
    const QByteArray secret = password.toUtf8();
    QByteArray key(KeyBytes, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC(secret.constData(), secret.size(),
            reinterpret_cast<const unsigned char *>(salt.constData()), salt.size(), iterations, EVP_sha256(),
            key.size(), reinterpret_cast<unsigned char *>(key.data()))
        != 1)
        return QByteArray();
    return key;
}

} // namespace

QString CPasswordHash::hash(const QString &password, int iterations)
{
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char *>(salt.data()), salt.size()) != 1)
        return QString();
    const QByteArray key = derive(password, salt, iterations);
    if (key.isEmpty())
        return QString();
    return QStringLiteral("%1$%2$%3$%4")
        .arg(QLatin1String(Scheme))
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(key.toBase64()));
}

int CPasswordHash::iterations(const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts.at(0) != QLatin1String(Scheme))
        return 0;
    bool ok = false;
    const int count = parts.at(1).toInt(&ok);
    return ok && count > 0 ? count : 0;
}

bool CPasswordHash::verify(const QString &password, const QString &stored)
{
    const int count = iterations(stored);
    if (count == 0)
        return false;
    const QStringList parts = stored.split(QLatin1Char('$'));
    const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts.at(3).toLatin1());
    if (salt.isEmpty() || expected.size() != KeyBytes)
        return false;
    const QByteArray key = derive(password, salt, count);
    return key.size() == KeyBytes && CRYPTO_memcmp(key.constData(), expected.constData(), KeyBytes) == 0;
}
