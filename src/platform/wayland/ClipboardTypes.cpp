// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/ClipboardTypes.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <span>

namespace tavrin::clipboardTypes {

namespace {

constexpr std::string_view kMarkPrefix = "application/x-tavrin-offer;instance=";
constexpr std::string_view kSerialKey = ";serial=";

// MIME types are case-insensitive and parameters may carry spaces ("text/plain; charset=UTF-8").
std::string normalized(std::string_view type)
{
    std::string out;
    for (const char c : type) {
        if (c != ' ' && c != '\t')
            out += char(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<std::uint64_t> parseHex(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::string hex(std::uint64_t value)
{
    char buffer[17];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    return std::string(buffer, result.ptr);
}

// Text types in order of preference: those that say UTF-8 first, then the plain and X11-style ones.
constexpr const char *kTextTypes[] = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "TEXT", "STRING"};
constexpr const char *kFileListTypes[] = {kUriList, kGnomeCopiedFiles};

// The first wanted type that is offered, in the owner's own spelling: it serves exactly the types it announced.
std::string firstOffered(const std::vector<std::string> &types, std::span<const char *const> wanted)
{
    for (const char *type : wanted) {
        const std::string normal = normalized(type);
        const auto it =
            std::find_if(types.begin(), types.end(), [&](const std::string &t) { return normalized(t) == normal; });
        if (it != types.end())
            return *it;
    }
    return {};
}

}  // namespace

std::string ownMarkType(const OwnMark &mark)
{
    return std::string(kMarkPrefix) + hex(mark.instance) + std::string(kSerialKey) + hex(mark.serial);
}

std::optional<OwnMark> findOwnMark(const std::vector<std::string> &types)
{
    for (const std::string &type : types) {
        const std::string_view view = type;
        if (!view.starts_with(kMarkPrefix))
            continue;
        const std::string_view rest = view.substr(kMarkPrefix.size());
        const std::size_t serialAt = rest.find(kSerialKey);
        if (serialAt == std::string_view::npos)
            continue;
        const auto instance = parseHex(rest.substr(0, serialAt));
        const auto serial = parseHex(rest.substr(serialAt + kSerialKey.size()));
        if (instance && serial)
            return OwnMark{*instance, *serial};
    }
    return std::nullopt;
}

bool offers(const std::vector<std::string> &types, const std::string &type)
{
    const char *const wanted[] = {type.c_str()};
    return !firstOffered(types, wanted).empty();
}

std::string preferredTextType(const std::vector<std::string> &types)
{
    return firstOffered(types, kTextTypes);
}

std::string preferredFileListType(const std::vector<std::string> &types)
{
    return firstOffered(types, kFileListTypes);
}

QString decodeText(const std::string &type, const QByteArray &data)
{
    if (type == "STRING")
        return QString::fromLatin1(data);
    return QString::fromUtf8(data);
}

}  // namespace tavrin::clipboardTypes
