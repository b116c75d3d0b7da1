#ifndef CPASSWORDHASH_H
#define CPASSWORDHASH_H

#include <QString>

// Passwords kept as a salted slow hash: PBKDF2 with HMAC-SHA-256 from
// OpenSSL's libcrypto, 600,000 iterations (the count current guidance gives
// for it), a random 16-byte salt and a 32-byte key. The stored text carries
// its parameters, so that a hash made with another count still verifies:
//   "pbkdf2-sha256$<iterations>$<salt, base64>$<key, base64>"
// The password itself is never kept.
class CPasswordHash {
public:
    static constexpr int defaultIterations = 600000;

    // The stored text of password, with a new salt; empty when the system's
    // random source failed.
    static QString hash(const QString &password, int iterations = defaultIterations);
    // Whether password gives stored (compared in constant time). A stored text
    // that cannot be read matches nothing.
    static bool verify(const QString &password, const QString &stored);
    // The iteration count of a stored text; 0 when it cannot be read.
    static int iterations(const QString &stored);
};

#endif // CPASSWORDHASH_H
