// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileChecksum.h"

#include <QFile>

#include <array>

namespace tavrin {

namespace {

constexpr std::array<quint32, 256> makeCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<quint32, 256> kCrcTable = makeCrcTable();

void setError(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
}

}  // namespace

quint32 crc32(const char *data, qsizetype size, quint32 crc)
{
    crc = ~crc;
    for (qsizetype i = 0; i < size; ++i)
        crc = kCrcTable[(crc ^ quint8(data[i])) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

bool checksumOfFile(const QString &path, FileChecksum *checksum, QString *error)
{
    *checksum = {};
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    // In pieces: the history file can be hundreds of megabytes.
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    quint32 crc = 0;
    qint64 size = 0;
    for (;;) {
        const qint64 read = file.read(buffer.data(), buffer.size());
        if (read < 0) {
            setError(error, file.errorString());
            return false;
        }
        if (read == 0)
            break;
        crc = crc32(buffer.constData(), read, crc);
        size += read;
    }
    *checksum = FileChecksum{size, crc};
    return true;
}

}  // namespace tavrin
