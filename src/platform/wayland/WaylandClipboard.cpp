// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandClipboard.h"

#include "platform/common/UriList.h"
#include "platform/wayland/ClipboardTypes.h"
#include "platform/wayland/PipeIo.h"
#include "platform/wayland/WaylandLog.h"

#include <QMetaObject>
#include <QRandomGenerator>

namespace tavrin {

namespace {
// How long a write waits for the compositor to take it.
constexpr std::chrono::milliseconds kWriteWait{1000};
// A selection that changes during every read is read this often, then taken as it came.
constexpr int kReadAttempts = 3;
}  // namespace

WaylandClipboard::WaylandClipboard(std::chrono::milliseconds readTimeout, const char *display, QObject *parent)
    : QObject(parent), m_readTimeout(readTimeout), m_instance(QRandomGenerator::global()->generate64())
{
    m_client = std::make_unique<DataControlClient>(
        [this](const DataControlClient::Selection &selection) { onSelection(selection); }, display,
        [this] { QMetaObject::invokeMethod(this, &WaylandClipboard::notifyDataRequest, Qt::QueuedConnection); });
    std::lock_guard lock(m_mutex);
    m_knownGeneration = m_client->selection().generation;
}

WaylandClipboard::~WaylandClipboard()
{
    // The thread may be announcing a selection right now, and that may write: it must end while all of us is here.
    m_client->stop();
}

bool WaylandClipboard::isValid() const
{
    return m_client->isValid();
}

QString WaylandClipboard::problem() const
{
    return QString::fromStdString(m_client->problem());
}

QString WaylandClipboard::protocolName() const
{
    return QString::fromStdString(m_client->protocolName());
}

bool WaylandClipboard::hasPrimarySelection() const
{
    return m_client->hasPrimarySelection();
}

void WaylandClipboard::onSelection(const DataControlClient::Selection &selection)
{
    std::optional<std::uint64_t> ownSerial;
    if (const auto mark = clipboardTypes::findOwnMark(selection.types); mark && mark->instance == m_instance)
        ownSerial = mark->serial;

    std::unique_lock lock(m_mutex);
    switch (m_ledger.classify(selection.empty, ownSerial)) {
    case SelectionLedger::Verdict::Superseded: return;
    case SelectionLedger::Verdict::Ours:
        m_known = m_lastWrite;
        m_knownGeneration = selection.generation;
        return;
    case SelectionLedger::Verdict::Foreign:
        m_known.reset();
        m_knownGeneration = selection.generation;
        lock.unlock();
        countForeignChange();
        return;
    case SelectionLedger::Verdict::Emptied: {
        // The owner quit (or cleared it): keep what it held on the clipboard. Nothing changed for the history.
        std::optional<SelectionOffer> again = std::exchange(m_known, std::nullopt);
        m_knownGeneration = selection.generation;
        lock.unlock();
        if (again) {
            qCInfo(lcWayland) << "the clipboard became empty; offering its last content again";
            write(std::move(*again), std::chrono::milliseconds(0));  // on the client's own thread: no waiting
        } else {
            countForeignChange();
        }
        return;
    }
    }
}

void WaylandClipboard::countForeignChange()
{
    ++m_changeCount;
    QMetaObject::invokeMethod(this, &WaylandClipboard::notifyListener, Qt::QueuedConnection);
}

void WaylandClipboard::write(SelectionOffer offer, std::chrono::milliseconds wait)
{
    std::uint64_t serial = 0;
    {
        std::lock_guard lock(m_mutex);
        serial = m_ledger.beginWrite();
        m_lastWrite = offer;
    }
    offer.formats.push_back({clipboardTypes::ownMarkType({m_instance, serial}), {}, {}});
    const bool taken = m_client->setSelection(
        std::move(offer),
        [this, serial] {
            std::lock_guard lock(m_mutex);
            m_ledger.settle(serial);
        },
        wait);
    if (!taken && m_client->isValid())
        qCWarning(lcWayland) << "the compositor did not take our clipboard offer in time";
}

void WaylandClipboard::writeOffer(SelectionOffer offer)
{
    ++m_changeCount;
    write(std::move(offer), kWriteWait);
}

void WaylandClipboard::writeFileUrl(const QString &absolutePath)
{
    writeOffer(SelectionOffer::forFile(absolutePath));
}

void WaylandClipboard::writeString(const QString &text)
{
    writeOffer(SelectionOffer::forText(text));
}

void WaylandClipboard::offerAsPrimarySelection()
{
    std::optional<SelectionOffer> offer;
    {
        std::lock_guard lock(m_mutex);
        offer = m_lastWrite;
    }
    if (offer && !m_client->setPrimarySelection(std::move(*offer), kWriteWait))
        qCWarning(lcWayland) << "the primary selection could not be offered";
}

void WaylandClipboard::setChangeListener(std::function<void()> listener)
{
    m_listener = std::move(listener);
}

void WaylandClipboard::notifyListener()
{
    if (m_listener)
        m_listener();
}

void WaylandClipboard::setDataRequestListener(std::function<void()> listener)
{
    m_dataRequestListener = std::move(listener);
}

void WaylandClipboard::notifyDataRequest()
{
    if (m_dataRequestListener)
        m_dataRequestListener();
}

ClipboardContents WaylandClipboard::readContents(std::stop_token stop)
{
    std::lock_guard readLock(m_readMutex);
    Read read;
    // A stop is seen between attempts; each piece of a read ends at its idle timeout at the latest.
    for (int attempt = 0; attempt < kReadAttempts && m_client->isValid() && !stop.stop_requested(); ++attempt) {
        const DataControlClient::Selection selection = m_client->selection();
        if (selection.empty)
            return {};
        // Our own content is answered from memory: no round trip through our own thread.
        if (const auto mark = clipboardTypes::findOwnMark(selection.types); mark && mark->instance == m_instance) {
            std::lock_guard lock(m_mutex);
            if (m_lastWrite)
                return m_lastWrite->contents;
        }
        read = readSelection(selection);
        if (stop.stop_requested())
            return {};
        // Data read from an offer that was replaced meanwhile may be cut short: read the new one instead.
        if (m_client->selection().generation != selection.generation)
            continue;
        std::lock_guard lock(m_mutex);
        const bool worthKeeping = !read.contents.fileUrlItems.isEmpty() || read.contents.string.has_value();
        if (read.complete && !read.contents.concealed && worthKeeping && selection.generation == m_knownGeneration)
            m_known = SelectionOffer::forContents(read.contents);
        break;
    }
    return read.contents;
}

WaylandClipboard::Read WaylandClipboard::readSelection(const DataControlClient::Selection &selection)
{
    namespace types = clipboardTypes;
    Read read;
    if (types::offers(selection.types, types::kPasswordHint)) {
        const auto hint = readType(selection.generation, types::kPasswordHint, read);
        if (!hint)
            return read;
        if (hint->trimmed() == "secret") {
            read.contents.concealed = true;
            read.complete = true;
            return read;
        }
    }
    if (const std::string type = types::preferredFileListType(selection.types); !type.empty()) {
        const auto files = readType(selection.generation, type, read);
        if (!files)
            return read;
        read.contents.fileUrlItems = type == types::kUriList ? splitUriList(*files) : splitGnomeCopiedFiles(*files);
    }
    if (const std::string type = types::preferredTextType(selection.types); !type.empty()) {
        const auto text = readType(selection.generation, type, read);
        if (!text)
            return read;
        read.contents.string = types::decodeText(type, *text);
    }
    read.complete = true;
    return read;
}

std::optional<QByteArray> WaylandClipboard::readType(std::uint64_t generation, const std::string &type, Read &read)
{
    bool stalled = false;
    std::optional<QByteArray> data =
        pipeIo::readAll(m_client->receive(generation, type), m_readTimeout.load(), kMaxSize, &stalled);
    if (stalled) {
        // The protocol does not say who offers a selection: the capture names the application in front instead.
        qCWarning(lcWayland, "the clipboard's owner did not hand over %s within %lld ms; the copy is not recorded",
                  type.c_str(), static_cast<long long>(m_readTimeout.load().count()));
        read.contents.ownerTooSlow = true;
    }
    return data;
}

}  // namespace tavrin
