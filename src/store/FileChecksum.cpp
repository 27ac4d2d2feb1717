// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileChecksum.h"

#include <QFile>
#include <QtEndian>

#include <array>
#include <utility>

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

namespace {

// Appending zero bits to a message is a linear map of its CRC: a 32 × 32 matrix over GF(2), one column a word.
quint32 gf2Times(const std::array<quint32, 32> &matrix, quint32 vector)
{
    quint32 sum = 0;
    for (std::size_t i = 0; vector != 0; vector >>= 1, ++i) {
        if (vector & 1)
            sum ^= matrix[i];
    }
    return sum;
}

std::array<quint32, 32> gf2Square(const std::array<quint32, 32> &matrix)
{
    std::array<quint32, 32> square{};
    for (std::size_t i = 0; i < 32; ++i)
        square[i] = gf2Times(matrix, matrix[i]);
    return square;
}

}  // namespace

quint32 crc32Combine(quint32 first, quint32 second, qint64 secondSize)
{
    if (secondSize <= 0)
        return first;
    // The operator for one zero bit, then for two and four; each further square doubles the zeros it appends.
    std::array<quint32, 32> odd{};
    odd[0] = 0xEDB88320u;
    for (std::size_t i = 1; i < 32; ++i)
        odd[i] = quint32(1) << (i - 1);
    std::array<quint32, 32> even = gf2Square(odd);
    odd = gf2Square(even);
    // Each turn squares the last operator into the other, and applies it where secondSize has a bit.
    std::array<quint32, 32> *last = &odd;
    std::array<quint32, 32> *next = &even;
    for (; secondSize != 0; secondSize >>= 1) {
        *next = gf2Square(*last);
        if (secondSize & 1)
            first = gf2Times(*next, first);
        std::swap(last, next);
    }
    return first ^ second;
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
