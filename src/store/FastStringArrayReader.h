// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavrin::plist {

/// Reads the plain XML form our writer produces (an array of strings with the five entities and
/// numeric character references, comments and white space between elements) several times faster
/// than a general parser. Returns none for anything else, which then goes to the general parser:
/// CDATA sections, other element types, internal DTD subsets, other encodings, binary lists.
std::optional<QStringList> readStringArrayFast(const QByteArray &bytes);

/// What can still be read of an array of strings in that form that is no longer well-formed (bytes flipped, cut
/// off): every whole entry, in order, with a reference it cannot decode ("&l4;") kept as it stands and bytes that
/// are not UTF-8 replaced; and a line for each problem met.
struct SalvagedStrings {
    QStringList strings;
    QStringList problems;
};
/// None when the bytes hold no property list with an array at all.
std::optional<SalvagedStrings> salvageStringArray(const QByteArray &bytes);

}  // namespace tavrin::plist
