// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileChecksum.h"

#include <QFile>
#include <QtEndian>

#include <array>

namespace tavrin {

namespace {

// Eight tables for eight bytes at a time ("slicing by 8"): the history file can be hundreds of megabytes.
using CrcTables = std::array<std::array<quint32, 256>, 8>;

constexpr CrcTables makeCrcTables()
{
    CrcTables tables{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (quint32 n = 0; n < 256; ++n) {
        for (std::size_t k = 1; k < 8; ++k)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xFF];
    }
    return tables;
}
constexpr CrcTables kCrc = makeCrcTables();

void setError(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
}

}  // namespace

quint32 crc32(const char *data, qsizetype size, quint32 crc)
{
    crc = ~crc;
    for (; size >= 8; data += 8, size -= 8) {
        const quint32 one = qFromLittleEndian<quint32>(data) ^ crc;
        const quint32 two = qFromLittleEndian<quint32>(data + 4);
        crc = kCrc[7][one & 0xFF] ^ kCrc[6][(one >> 8) & 0xFF] ^ kCrc[5][(one >> 16) & 0xFF] ^ kCrc[4][one >> 24] ^
              kCrc[3][two & 0xFF] ^ kCrc[2][(two >> 8) & 0xFF] ^ kCrc[1][(two >> 16) & 0xFF] ^ kCrc[0][two >> 24];
    }
    for (; size > 0; ++data, --size)
        crc = kCrc[0][(crc ^ quint8(*data)) & 0xFF] ^ (crc >> 8);
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
