// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/SelectionOffer.h"

#include "platform/common/UriList.h"

#include <QUrl>

namespace tavrin {

namespace {
void addTextFormats(SelectionOffer &offer, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    offer.formats.push_back({"UTF8_STRING", "UTF8_STRING", utf8});
    offer.formats.push_back({"text/plain;charset=utf-8", "text/plain;charset=utf-8", utf8});
    offer.formats.push_back({"STRING", "STRING", text.toLatin1()});
    offer.formats.push_back({"TEXT", "UTF8_STRING", utf8});
    offer.formats.push_back({"text/plain", "text/plain", utf8});
}
}  // namespace

SelectionOffer SelectionOffer::forText(const QString &text)
{
    SelectionOffer offer;
    addTextFormats(offer, text);
    offer.contents.string = text;
    return offer;
}

SelectionOffer SelectionOffer::forFile(const QString &path)
{
    // What a file manager's copy offers: a file manager pastes the file, an editor the path.
    SelectionOffer offer;
    offer.formats.push_back({"text/uri-list", "text/uri-list", uriListForPath(path)});
    offer.formats.push_back(
        {"x-special/gnome-copied-files", "x-special/gnome-copied-files", gnomeCopiedFilesForPath(path)});
    addTextFormats(offer, path);
    offer.contents.fileUrlItems = {QUrl::fromLocalFile(path).toEncoded()};
    offer.contents.string = path;
    return offer;
}

SelectionOffer SelectionOffer::forContents(const ClipboardContents &contents)
{
    SelectionOffer offer;
    if (!contents.fileUrlItems.isEmpty()) {
        QByteArray uriList;
        for (const QByteArray &uri : contents.fileUrlItems)
            uriList += uri + "\r\n";
        offer.formats.push_back({"text/uri-list", "text/uri-list", uriList});
        offer.formats.push_back({"x-special/gnome-copied-files", "x-special/gnome-copied-files",
                                 "copy\n" + contents.fileUrlItems.join('\n')});
    }
    if (contents.string)
        addTextFormats(offer, *contents.string);
    offer.contents = contents;
    offer.contents.concealed = false;
    return offer;
}

}  // namespace tavrin
