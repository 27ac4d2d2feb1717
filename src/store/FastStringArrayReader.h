#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace tavrin::plist {

/// Reads the plain XML form our writer produces (an array of strings with the five entities and
/// numeric character references, comments and white space between elements) several times faster
/// than a general parser. Returns none for anything else, which then goes to the general parser:
/// CDATA sections, other element types, internal DTD subsets, other encodings, binary lists.
std::optional<QStringList> readStringArrayFast(const QByteArray &bytes);

}  // namespace tavrin::plist
