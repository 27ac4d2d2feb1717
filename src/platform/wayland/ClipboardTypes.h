// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::clipboardTypes {

// The MIME types a Wayland clipboard speaks, and the private one that marks our own offers.

inline constexpr char kUriList[] = "text/uri-list";
inline constexpr char kGnomeCopiedFiles[] = "x-special/gnome-copied-files";
inline constexpr char kPasswordHint[] = "x-kde-passwordManagerHint";

/// Where one of our offers came from: the program instance and the number of its write.
struct OwnMark {
    std::uint64_t instance = 0;
    std::uint64_t serial = 0;
    bool operator==(const OwnMark &) const = default;
};

/// The private type that marks an offer as written by that instance.
std::string ownMarkType(const OwnMark &mark);
/// The mark among the offered types, if any.
std::optional<OwnMark> findOwnMark(const std::vector<std::string> &types);

/// The type to read text from, best first (UTF-8 types before Latin-1); empty when no text is offered.
std::string preferredTextType(const std::vector<std::string> &types);
/// The type to read a file list from; empty when none is offered.
std::string preferredFileListType(const std::vector<std::string> &types);
/// True when that type is offered (text types compare without case and spaces).
bool offers(const std::vector<std::string> &types, const std::string &type);
/// The text of data read as that type.
QString decodeText(const std::string &type, const QByteArray &data);

}  // namespace tavrin::clipboardTypes
