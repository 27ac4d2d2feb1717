// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlService.h"

#include "app/AppContext.h"
#include "app/AppLog.h"
#include "app/AppShell.h"
#include "app/EntryListing.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/FileEntries.h"
#include "capture/PasteEngine.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "cli/ControlBus.h"
#include "platform/OwnedFd.h"
#include "platform/Platform.h"
#include "store/HistoryStore.h"
#include "ui/lists/QuickListView.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <sys/socket.h>
#include <sys/time.h>
#include <type_traits>
#include <unistd.h>

namespace tavrin {

ControlService::ControlService(AppContext &context, AppShell &shell, QObject *parent)
    : QObject(parent), m_context(context), m_shell(shell)
{
}

ControlService::~ControlService()
{
    if (m_bus)
        m_bus->unregisterObject(QString::fromLatin1(bus::kControlPath));
}

bool ControlService::registerOn(QDBusConnection bus)
{
    if (!bus.registerObject(QString::fromLatin1(bus::kControlPath), QString::fromLatin1(bus::kControlInterface), this,
                            QDBusConnection::ExportScriptableSlots)) {
        qCWarning(lcApp, "the command interface cannot be put on the session bus: %s",
                  qUtf8Printable(bus.lastError().message()));
        return false;
    }
    m_bus = bus;
    return true;
}

void ControlService::fail(const char *errorName, const QString &message)
{
    if (m_answering) {
        m_answering->bus.send(m_answering->call.createErrorReply(QString::fromLatin1(errorName), message));
        m_answering->failed = true;
        return;
    }
    sendErrorReply(QString::fromLatin1(errorName), message);
}

template <typename Answer> auto ControlService::withHistory(Answer answer) -> decltype(answer())
{
    using Result = decltype(answer());
    HistoryStore &history = m_context.history();
    if (history.isLoaded() || !calledFromDBus())
        return answer();
    setDelayedReply(true);
    history.whenLoaded(this, [this, answer, putOff = PutOffCall{message(), connection()}]() mutable {
        m_answering = &putOff;
        if constexpr (std::is_void_v<Result>) {
            answer();
            if (!putOff.failed)
                putOff.bus.send(putOff.call.createReply());
        } else {
            const Result result = answer();
            if (!putOff.failed)
                putOff.bus.send(putOff.call.createReply(QVariant::fromValue(result)));
        }
        m_answering = nullptr;
    });
    return Result();
}

std::optional<int> ControlService::rowOf(uint index)
{
    const qsizetype count = m_context.history().items().size();
    if (index >= 1 && index <= count)
        return int(index - 1);
    fail(bus::errors::kNoSuchEntry, bus::noSuchEntryMessage(QString::number(index), count));
    return std::nullopt;
}

QDBusUnixFileDescriptor ControlService::List(const QVariantMap &options)
{
    return withHistory([this, options] { return startListing(EntryListing{}, options); });
}

QDBusUnixFileDescriptor ControlService::Search(const QString &text, const QVariantMap &options)
{
    return withHistory([this, text, options] {
        EntryListing listing;
        listing.search = text;
        return startListing(std::move(listing), options);
    });
}

QDBusUnixFileDescriptor ControlService::startListing(EntryListing listing, const QVariantMap &options)
{
    for (auto option = options.cbegin(); option != options.cend(); ++option) {
        const QString &name = option.key();
        bool ok = true;
        if (name == QLatin1String("format")) {
            const std::optional<EntryListWriter::Format> format =
                EntryListWriter::formatNamed(option.value().toString());
            ok = format.has_value();
            listing.format = format.value_or(listing.format);
        } else if (name == QLatin1String("limit") || name == QLatin1String("width")) {
            const uint value = option.value().toUInt(&ok);
            if (name == QLatin1String("limit"))
                listing.limit = value;
            else
                listing.width = int(std::min<uint>(value, 1u << 20));
        } else {
            ok = false;
        }
        if (!ok) {
            fail(bus::errors::kInvalidArgument,
                 tr("the listing option \"%1\" is unknown or has a wrong value").arg(name));
            return {};
        }
    }

    const HistoryStore &history = m_context.history();
    listing.pinCount = history.pinCount();
    // Without a search the rows are the first ones: a short listing of a long history takes only those, so that a
    // capture while it is written does not copy the whole history away from it. A search reads a snapshot of every
    // entry (shared, not copied).
    const bool whole = listing.search || listing.limit == 0 || listing.limit >= history.items().size();
    listing.items = whole ? history.items() : history.items().first(qsizetype(listing.limit));

    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        fail(bus::errors::kOutputFailed,
             tr("cannot open a channel for the list: %1").arg(QString::fromLocal8Bit(strerror(errno))));
        return {};
    }
    // A reader that stops reading must not keep a thread of ours forever.
    const timeval limit{kStalledReaderSeconds, 0};
    ::setsockopt(ends[0], SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ::shutdown(ends[1], SHUT_WR);
    const QDBusUnixFileDescriptor readEnd(ends[1]);  // a copy of its own
    ::close(ends[1]);
    // The rows are chosen on the output lane, their kinds looked up on the GUI thread (only for those that could be
    // files), and they are written on the output lane. A listing still being written when the program ends is waited
    // for by the dispatcher, within the stalled-reader limit; one dropped before it is written closes its channel.
    auto channel = std::make_shared<OwnedFd>(ends[0]);
    Dispatcher &dispatcher = *m_context.platform().dispatcher;
    const auto write = [channel](const EntryListing &chosen) {
        if (!chosen.writeTo(channel->take()))
            qCInfo(lcApp, "a listing ended early: its reader went away or stopped reading");
    };
    dispatcher.runInBackground(
        Dispatcher::Lane::Output, this,
        [this, &dispatcher, listing = std::move(listing), write]() mutable -> Dispatcher::Task {
            const QList<qsizetype> couldBeFiles = listing.chooseRows();
            if (couldBeFiles.isEmpty()) {
                write(listing);
                return {};
            }
            return [this, &dispatcher, listing = std::move(listing), couldBeFiles, write]() mutable {
                FileEntries &files = m_context.capture().fileEntries();
                for (const qsizetype row : couldBeFiles) {
                    const FileEntries::Info info = files.info(listing.items.at(listing.rows.at(row)));
                    if (info.isFile)
                        listing.setKind(row, info.isFolder ? EntryKind::Folder : EntryKind::File);
                }
                dispatcher.runInBackground(Dispatcher::Lane::Output, this,
                                           [listing = std::move(listing), write]() -> Dispatcher::Task {
                                               write(listing);
                                               return {};
                                           });
            };
        });
    return readEnd;
}

uint ControlService::Count()
{
    return withHistory([this] { return uint(m_context.history().items().size()); });
}

void ControlService::Copy(uint index)
{
    withHistory([this, index] {
        if (const std::optional<int> row = rowOf(index))
            m_context.capture().pasteEngine().writeItemToClipboard(m_context.history().items().at(*row));
    });
}

void ControlService::Paste(uint index)
{
    // The window in front is the one the command came from (a terminal, or the window under a launcher that has
    // closed): the engine pastes there, as it does from the list window.
    withHistory([this, index] {
        if (const std::optional<int> row = rowOf(index))
            m_context.capture().pasteEngine().pasteItem(m_context.history().items().at(*row));
    });
}

void ControlService::Add(const QString &text)
{
    if (m_context.capture().recordingRules().isPaused()) {
        fail(bus::errors::kPaused, tr("recording is paused, so nothing is added; resume it first"));
        return;
    }
    if (text.isEmpty()) {
        fail(bus::errors::kInvalidArgument, tr("an empty text is not added"));
        return;
    }
    // Three bytes per code unit at most: only a text near the limit is counted.
    if (text.size() * 3 > bus::kMaxAddedTextBytes && bus::utf8Length(text) > bus::kMaxAddedTextBytes) {
        fail(bus::errors::kTooLarge, bus::textTooLargeMessage(bus::utf8Length(text)));
        return;
    }
    m_context.capture().monitor().recordCopiedText(text);
}

void ControlService::Remove(uint index)
{
    withHistory([this, index] {
        if (const std::optional<int> row = rowOf(index))
            m_context.history().removeItem(*row);
    });
}

void ControlService::Pin(uint index)
{
    withHistory([this, index] {
        const std::optional<int> row = rowOf(index);
        if (!row)
            return;
        HistoryStore &history = m_context.history();
        if (*row < history.pinCount()) {
            fail(bus::errors::kInvalidArgument, tr("entry %1 is pinned already").arg(index));
            return;
        }
        if (history.pinCount() >= QuickListView::kMaximumPins) {
            fail(bus::errors::kTooManyPins, tr("%n entries are pinned already, the most there can be; unpin one first",
                                               nullptr, QuickListView::kMaximumPins));
            return;
        }
        history.togglePin(*row);
    });
}

void ControlService::Unpin(uint index)
{
    withHistory([this, index] {
        const std::optional<int> row = rowOf(index);
        if (!row)
            return;
        if (*row >= m_context.history().pinCount()) {
            fail(bus::errors::kInvalidArgument, tr("entry %1 is not pinned").arg(index));
            return;
        }
        m_context.history().togglePin(*row);
    });
}

void ControlService::Clear()
{
    withHistory([this] { m_context.history().clearAll(); });
}

void ControlService::ShowList()
{
    m_shell.showQuickList();
}

void ControlService::ShowMainWindow()
{
    m_shell.showMainWindow();
}

bool ControlService::ToggleSequentialMode()
{
    SequentialMode &sequential = m_context.capture().sequentialMode();
    sequential.toggleSequentialMode();
    return sequential.isOn();
}

void ControlService::PasteNext()
{
    // The shortcut does nothing on an empty queue; a command says so, because nothing else would.
    if (m_context.capture().queue().isEmpty()) {
        fail(bus::errors::kQueueEmpty, tr("the sequential paste queue is empty: nothing to paste"));
        return;
    }
    m_context.capture().sequentialMode().sequentialPasteNext();
}

void ControlService::Pause()
{
    m_context.capture().recordingRules().setPaused(true);
}

void ControlService::Resume()
{
    m_context.capture().recordingRules().setPaused(false);
}

bool ControlService::IsPaused()
{
    return m_context.capture().recordingRules().isPaused();
}

void ControlService::Quit()
{
    // After the reply has gone: the caller then waits for the name to go, which happens once the save is written.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace tavrin
