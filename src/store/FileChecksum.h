// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

/// The CRC-32 of zlib and PNG (reflected 0xEDB88320), continued from crc.
quint32 crc32(const char *data, qsizetype size, quint32 crc = 0);
/// The CRC-32 of two pieces one after the other, from the first's, the second's and the second's length (zlib's
/// crc32_combine): pieces checked side by side make the whole's.
quint32 crc32Combine(quint32 first, quint32 second, qint64 secondSize);

/// A file's size and CRC-32: enough to tell whether it is still the file that was written. A missing file is {0, 0}.
struct FileChecksum {
    qint64 size = 0;
    quint32 checksum = 0;
    bool operator==(const FileChecksum &) const = default;
};
/// The checksum of the file at path as it is now; false with the reason when it cannot be read.
bool checksumOfFile(const QString &path, FileChecksum *checksum, QString *error = nullptr);

}  // namespace tavrin
