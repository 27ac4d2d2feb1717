// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakeClipboard.h"

#include <QUrl>

namespace tavrin {

ClipboardContents FakeClipboard::readContents(std::stop_token stop)
{
    ++m_reads;
    if (duringRead)
        duringRead(stop);
    if (stop.stop_requested())
        return {};
    std::lock_guard lock(m_mutex);
    return m_contents;
}

void FakeClipboard::writeFileUrl(const QString &absolutePath)
{
    if (duringWrite)
        duringWrite();
    std::lock_guard lock(m_mutex);
    m_contents = ClipboardContents{};
    m_contents.fileUrlItems.append(QUrl::fromLocalFile(absolutePath).toEncoded());
    m_writes.append(Write{Write::FileUrl, absolutePath});
    m_holdsOwnWrite = true;
    ++m_changeCount;
}

void FakeClipboard::writeString(const QString &text)
{
    if (duringWrite)
        duringWrite();
    std::lock_guard lock(m_mutex);
    m_contents = ClipboardContents{};
    m_contents.string = text;
    m_writes.append(Write{Write::String, text});
    m_holdsOwnWrite = true;
    ++m_changeCount;
}

void FakeClipboard::offerAsPrimarySelection()
{
    std::lock_guard lock(m_mutex);
    m_writes.append(Write{Write::Primary, m_writes.isEmpty() ? QString() : m_writes.constLast().value});
}

void FakeClipboard::copyFromOtherApplication(const ClipboardContents &contents)
{
    std::lock_guard lock(m_mutex);
    m_contents = contents;
    m_holdsOwnWrite = false;
    ++m_changeCount;
}

void FakeClipboard::copyText(const QString &text)
{
    ClipboardContents contents;
    contents.string = text;
    copyFromOtherApplication(contents);
}

void FakeClipboard::copyFiles(const QStringList &fileUrls)
{
    ClipboardContents contents;
    for (const QString &url : fileUrls)
        contents.fileUrlItems.append(url.toUtf8());
    copyFromOtherApplication(contents);
}

void FakeClipboard::notifyChange()
{
    if (m_listener)
        m_listener();
}

std::optional<FakeClipboard::Write> FakeClipboard::pasteInOtherApplication()
{
    std::optional<Write> read;
    {
        std::lock_guard lock(m_mutex);
        for (auto it = m_writes.crbegin(); m_holdsOwnWrite && it != m_writes.crend() && !read; ++it) {
            if (it->kind != Write::Primary)
                read = *it;
        }
    }
    if (read && m_dataRequestListener)
        m_dataRequestListener();
    return read;
}

QList<FakeClipboard::Write> FakeClipboard::writes() const
{
    std::lock_guard lock(m_mutex);
    return m_writes;
}

}  // namespace tavrin
