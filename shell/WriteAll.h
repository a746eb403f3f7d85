#pragma once

#include <QByteArray>
#include <QIODevice>

namespace vokg {

// Writes all of `bytes` to `device`. A write into a nearly full disk first comes back short and
// without an error; only the next attempt fails and gives the device the system's reason (such
// as "No space left on device"), which the caller reports.
inline bool WriteAll(QIODevice& device, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = device.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0)
            return false;
        written += now;
    }
    return true;
}

} // namespace vokg
