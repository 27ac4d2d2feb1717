#include "platform/fake/FakePasteboard.h"

#include <QUrl>

namespace tavrin {

PasteboardContents FakePasteboard::readContents(std::stop_token stop)
{
    ++m_reads;
    if (duringRead)
        duringRead(stop);
    if (stop.stop_requested())
        return {};
    std::lock_guard lock(m_mutex);
    return m_contents;
}

void FakePasteboard::writeFileUrl(const QString &absolutePath)
{
    if (duringWrite)
        duringWrite();
    std::lock_guard lock(m_mutex);
    m_contents = PasteboardContents{};
    m_contents.fileUrlItems.append(QUrl::fromLocalFile(absolutePath).toEncoded());
    m_writes.append(Write{Write::FileUrl, absolutePath});
    ++m_changeCount;
}

void FakePasteboard::writeString(const QString &text)
{
    if (duringWrite)
        duringWrite();
    std::lock_guard lock(m_mutex);
    m_contents = PasteboardContents{};
    m_contents.string = text;
    m_writes.append(Write{Write::String, text});
    ++m_changeCount;
}

void FakePasteboard::offerAsPrimarySelection()
{
    std::lock_guard lock(m_mutex);
    m_writes.append(Write{Write::Primary, m_writes.isEmpty() ? QString() : m_writes.constLast().value});
}

void FakePasteboard::copyFromOtherApplication(const PasteboardContents &contents)
{
    std::lock_guard lock(m_mutex);
    m_contents = contents;
    ++m_changeCount;
}

void FakePasteboard::copyText(const QString &text)
{
    PasteboardContents contents;
    contents.string = text;
    copyFromOtherApplication(contents);
}

void FakePasteboard::copyFiles(const QStringList &fileUrls)
{
    PasteboardContents contents;
    for (const QString &url : fileUrls)
        contents.fileUrlItems.append(url.toUtf8());
    copyFromOtherApplication(contents);
}

void FakePasteboard::notifyChange()
{
    if (m_listener)
        m_listener();
}

QList<FakePasteboard::Write> FakePasteboard::writes() const
{
    std::lock_guard lock(m_mutex);
    return m_writes;
}

}  // namespace tavrin
