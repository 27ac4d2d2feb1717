// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeClipboard.h"

#include "platform/common/UriList.h"
#include "platform/gnome/GnomeLog.h"
#include "platform/wayland/ClipboardTypes.h"

#include <QUrl>

#include <string>
#include <vector>

namespace tavrin {

namespace {
// How long a write or a look at the clipboard may take: the Shell answers from memory.
constexpr std::chrono::milliseconds kCallTimeout{2000};
// A clipboard that changes during every read is read this often, then given up on.
constexpr int kReadAttempts = 3;
const QString kTextType = QStringLiteral("text/plain;charset=utf-8");

std::vector<std::string> stdTypes(const QStringList &types)
{
    std::vector<std::string> out;
    out.reserve(std::size_t(types.size()));
    for (const QString &type : types)
        out.push_back(type.toStdString());
    return out;
}
}  // namespace

GnomeClipboard::GnomeClipboard(GnomeShellLink &link, std::chrono::milliseconds readTimeout, QObject *parent)
    : QObject(parent), m_link(link), m_readTimeout(readTimeout)
{
    connect(&m_link, &GnomeShellLink::clipboardChanged, this, &GnomeClipboard::onClipboardChanged);
    connect(&m_link, &GnomeShellLink::availabilityChanged, this, &GnomeClipboard::onAvailabilityChanged);
    onAvailabilityChanged(m_link.isAvailable());
}

void GnomeClipboard::onAvailabilityChanged(bool available)
{
    if (!available)
        return;
    // A restarted extension counts from zero again: what it holds now is where we start.
    const std::optional<ShellClipboardState> state = m_link.clipboardState(kCallTimeout);
    std::lock_guard lock(m_mutex);
    m_seenSerial = state ? state->serial : 0;
    m_ownSerial = 0;
}

void GnomeClipboard::onClipboardChanged(const ShellClipboardState &state)
{
    {
        std::lock_guard lock(m_mutex);
        if (state.serial <= m_seenSerial && state.serial != 0)
            return;  // announced before what we already know
        m_seenSerial = state.serial;
        if (state.writer == m_link.uniqueName())
            return;  // our own write
        if (state.serial <= m_ownSerial)
            return;  // replaced by our write before we heard of it: nobody could paste it
    }
    if (state.restored || state.mimeTypes.isEmpty())
        return;  // nothing new to record
    ++m_changeCount;
    if (m_listener)
        m_listener();
}

bool GnomeClipboard::set(const QString &selection, const Write &write, quint64 writeId)
{
    const QDBusMessage reply =
        m_link.call(QStringLiteral("SetClipboard"),
                    {selection, write.mimeType, write.data, QVariant::fromValue(writeId)}, kCallTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCWarning(lcGnome).noquote() << "the clipboard could not be set:" << reply.errorMessage();
        return false;
    }
    const quint64 serial = reply.arguments().constFirst().toULongLong();
    if (selection == QLatin1String("clipboard")) {
        std::lock_guard lock(m_mutex);
        m_ownSerial = std::max(m_ownSerial, serial);
    }
    return true;
}

void GnomeClipboard::write(const Write &write)
{
    ++m_changeCount;
    quint64 id = 0;
    {
        std::lock_guard lock(m_mutex);
        m_lastWrite = write;
        id = ++m_lastWriteId;
    }
    set(QStringLiteral("clipboard"), write, id);
}

void GnomeClipboard::writeString(const QString &text)
{
    Write write{kTextType, text.toUtf8(), {}};
    write.contents.string = text;
    this->write(write);
}

void GnomeClipboard::writeFileUrl(const QString &absolutePath)
{
    // A file manager pastes the file, an editor the URI: the one type the Shell lets us offer.
    Write write{QString::fromLatin1(clipboardTypes::kUriList), uriListForPath(absolutePath), {}};
    write.contents.fileUrlItems = {QUrl::fromLocalFile(absolutePath).toEncoded()};
    write.contents.string = absolutePath;
    this->write(write);
}

void GnomeClipboard::offerAsPrimarySelection()
{
    std::optional<Write> write;
    {
        std::lock_guard lock(m_mutex);
        write = m_lastWrite;
    }
    if (write)
        set(QStringLiteral("primary"), *write, 0);
}

void GnomeClipboard::setChangeListener(std::function<void()> listener)
{
    m_listener = std::move(listener);
}

ClipboardContents GnomeClipboard::readContents(std::stop_token stop)
{
    std::lock_guard readLock(m_readMutex);
    for (int attempt = 0; attempt < kReadAttempts && !stop.stop_requested(); ++attempt) {
        const std::optional<ShellClipboardState> state = m_link.clipboardState(kCallTimeout);
        if (!state || state->mimeTypes.isEmpty())
            return {};
        // Our own content is answered from memory.
        if (state->writer == m_link.uniqueName()) {
            std::lock_guard lock(m_mutex);
            if (m_lastWrite)
                return m_lastWrite->contents;
        }
        Read read = readState(*state, stop);
        if (stop.stop_requested())
            return {};
        if (!read.changed)
            return read.contents;
    }
    return {};
}

GnomeClipboard::Read GnomeClipboard::readState(const ShellClipboardState &state, const std::stop_token &stop)
{
    namespace types = clipboardTypes;
    const std::vector<std::string> offered = stdTypes(state.mimeTypes);
    Read read;
    if (types::offers(offered, types::kPasswordHint)) {
        const auto hint = readType(state.serial, QString::fromLatin1(types::kPasswordHint), read);
        if (!hint)
            return read;
        if (hint->trimmed() == "secret") {
            read.contents.concealed = true;
            return read;
        }
    }
    if (const std::string type = types::preferredFileListType(offered); !type.empty() && !stop.stop_requested()) {
        const auto files = readType(state.serial, QString::fromStdString(type), read);
        if (!files)
            return read;
        read.contents.fileUrlItems = type == types::kUriList ? splitUriList(*files) : splitGnomeCopiedFiles(*files);
    }
    if (const std::string type = types::preferredTextType(offered); !type.empty() && !stop.stop_requested()) {
        const auto text = readType(state.serial, QString::fromStdString(type), read);
        if (!text)
            return read;
        read.contents.string = types::decodeText(type, *text);
    }
    return read;
}

std::optional<QByteArray> GnomeClipboard::readType(quint64 serial, const QString &type, Read &read)
{
    // The extension answers within its own 10 s at most; a shorter wait of ours is the user's limit.
    const QDBusMessage reply =
        m_link.call(QStringLiteral("ReadClipboard"), {QVariant::fromValue(serial), type}, m_readTimeout.load());
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        return reply.arguments().constFirst().toByteArray();
    if (reply.errorName() == QLatin1String("io.tavrin.Tavrin.Shell1.Error.Changed")) {
        read.changed = true;
    } else if (reply.errorName() == QLatin1String("io.tavrin.Tavrin.Shell1.Error.Timeout") ||
               reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
        read.contents.ownerTooSlow = true;
        qCInfo(lcGnome).noquote() << "the clipboard's owner did not hand over" << type << "in time";
    } else {
        qCInfo(lcGnome).noquote() << "the clipboard's" << type << "could not be read:" << reply.errorMessage();
    }
    return std::nullopt;
}

}  // namespace tavrin
