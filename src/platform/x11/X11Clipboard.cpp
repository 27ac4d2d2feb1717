// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Clipboard.h"

#include "platform/x11/SelectionOwner.h"
#include "platform/x11/SelectionReader.h"

#include <QMetaObject>

namespace tavrin {

namespace {
constexpr std::chrono::milliseconds kPrimaryWait{1000};
}

X11Clipboard::X11Clipboard(std::chrono::milliseconds readTimeout, QObject *parent)
    : QObject(parent), m_reader(std::make_unique<SelectionReader>(readTimeout))
{
    m_owner = std::make_unique<SelectionOwner>(
        [this] {
            ++m_changeCount;
            QMetaObject::invokeMethod(this, &X11Clipboard::notifyListener, Qt::QueuedConnection);
        },
        [this] { QMetaObject::invokeMethod(this, &X11Clipboard::notifyDataRequest, Qt::QueuedConnection); });
}

X11Clipboard::~X11Clipboard()
{
    m_owner.reset();
}

bool X11Clipboard::isValid() const
{
    return m_reader->isValid() && m_owner->isValid();
}

ClipboardContents X11Clipboard::readContents(std::stop_token stop)
{
    std::lock_guard lock(m_readMutex);
    // Our own content is answered from memory: no round trip through our own thread, and no wait on it.
    if (m_owner->isValid() && m_reader->owner() == m_owner->window()) {
        if (auto own = m_owner->ownedContents())
            return *own;
    }
    return m_reader->read(stop);
}

void X11Clipboard::setReadTimeout(std::chrono::milliseconds timeout)
{
    std::lock_guard lock(m_readMutex);
    m_reader->setTimeout(timeout);
}

void X11Clipboard::writeFileUrl(const QString &absolutePath)
{
    ++m_changeCount;
    m_owner->own(SelectionOffer::forFile(absolutePath));
}

void X11Clipboard::writeString(const QString &text)
{
    ++m_changeCount;
    m_owner->own(SelectionOffer::forText(text));
}

void X11Clipboard::offerAsPrimarySelection()
{
    m_owner->ownPrimary(kPrimaryWait);
}

bool X11Clipboard::announcesChanges() const
{
    return m_owner->isValid();
}

void X11Clipboard::setChangeListener(std::function<void()> listener)
{
    m_listener = std::move(listener);
}

void X11Clipboard::notifyListener()
{
    if (m_listener)
        m_listener();
}

void X11Clipboard::setDataRequestListener(std::function<void()> listener)
{
    m_dataRequestListener = std::move(listener);
}

void X11Clipboard::notifyDataRequest()
{
    if (m_dataRequestListener)
        m_dataRequestListener();
}

}  // namespace tavrin
