// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FastStringArrayReader.h"

#include "store/PropertyListCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <future>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tavrin::plist {

namespace {

class Cursor {
public:
    Cursor(const char *begin, const char *end) : p(begin), e(end) {}

    bool atEnd() const { return p >= e; }
    bool startsWith(const char *literal) const
    {
        const size_t n = std::strlen(literal);
        return size_t(e - p) >= n && std::memcmp(p, literal, n) == 0;
    }
    bool take(const char *literal)
    {
        if (!startsWith(literal))
            return false;
        p += std::strlen(literal);
        return true;
    }
    void skipSpace()
    {
        while (p < e && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r'))
            ++p;
    }
    // Moves past the next occurrence of literal; false when there is none.
    bool skipPast(const char *literal)
    {
        const size_t n = std::strlen(literal);
        const void *hit = ::memmem(p, size_t(e - p), literal, n);
        if (!hit)
            return false;
        p = static_cast<const char *>(hit) + n;
        return true;
    }
    // White space and comments between elements.
    bool skipMisc()
    {
        for (;;) {
            skipSpace();
            if (!startsWith("<!--"))
                return true;
            if (!skipPast("-->"))
                return false;
        }
    }

    const char *p;
    const char *e;
};

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Writes c as UTF-8 at out; returns the bytes written.
int writeUtf8(char *out, char32_t c)
{
    if (c < 0x80) {
        out[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = char(0xC0 | (c >> 6));
        out[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = char(0xE0 | (c >> 12));
        out[1] = char(0x80 | ((c >> 6) & 0x3F));
        out[2] = char(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = char(0xF0 | (c >> 18));
    out[1] = char(0x80 | ((c >> 12) & 0x3F));
    out[2] = char(0x80 | ((c >> 6) & 0x3F));
    out[3] = char(0x80 | (c & 0x3F));
    return 4;
}

int digitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool spanIs(const char *p, const char *e, const char *literal)
{
    const size_t n = std::strlen(literal);
    return size_t(e - p) == n && std::memcmp(p, literal, n) == 0;
}

// Writes the character of the reference between '&' (name is just after it) and ';' (semi) at out and returns the
// bytes written; 0, writing nothing, for a reference we do not handle. A reference is never shorter than what it
// writes, so decoding in place of the source's length always fits.
int writeReference(char *out, const char *name, const char *semi)
{
    static constexpr std::pair<const char *, char> kEntities[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto &[entity, character] : kEntities) {
        if (spanIs(name, semi, entity)) {
            *out = character;
            return 1;
        }
    }
    if (*name != '#')
        return 0;
    const bool hex = name + 1 < semi && name[1] == 'x';
    const char *digits = name + (hex ? 2 : 1);
    if (digits == semi)
        return 0;
    char32_t code = 0;
    for (const char *d = digits; d < semi; ++d) {
        const int digit = digitValue(*d, hex);
        code = code * (hex ? 16 : 10) + char32_t(digit);
        // Past the last code point: also stops the sum from wrapping around.
        if (digit < 0 || code > 0x10FFFF)
            return 0;
    }
    if (!isXmlChar(code))
        return 0;
    return writeUtf8(out, code);
}

// Decodes character data holding entities. A reference we do not handle makes it none, or, when kept is given, is
// kept as it stands and named there.
std::optional<QByteArray> decodeEntities(const char *p, const char *e, QList<QByteArray> *kept = nullptr)
{
    QByteArray out(e - p, Qt::Uninitialized);
    char *w = out.data();
    while (p < e) {
        const char *amp = static_cast<const char *>(std::memchr(p, '&', size_t(e - p)));
        if (!amp) {
            std::memcpy(w, p, size_t(e - p));
            w += e - p;
            break;
        }
        std::memcpy(w, p, size_t(amp - p));
        w += amp - p;
        const char *semi = static_cast<const char *>(std::memchr(amp, ';', size_t(std::min<ptrdiff_t>(e - amp, 13))));
        if (const int written = semi ? writeReference(w, amp + 1, semi) : 0) {
            w += written;
            p = semi + 1;
            continue;
        }
        if (!kept)
            return std::nullopt;
        kept->append(QByteArray(amp, semi ? semi + 1 - amp : std::min<ptrdiff_t>(e - amp, 12)));
        *w++ = '&';
        p = amp + 1;
    }
    out.truncate(w - out.constData());
    return out;
}

bool isBlank(const char *p, const char *e)
{
    return std::all_of(p, e, [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

// One entry's text, with what had to be kept or replaced in it told in problems.
QString salvagedText(const char *p, const char *e, qsizetype entry, QStringList &problems)
{
    QList<QByteArray> kept;
    const QByteArray decoded = *decodeEntities(p, e, &kept);
    for (const QByteArray &reference : std::as_const(kept))
        problems.append(QStringLiteral("entry %1: \"%2\" is no character reference; kept as it stands")
                            .arg(entry)
                            .arg(QString::fromUtf8(reference)));
    // Decoded once to learn of bytes that are not UTF-8 (a damaged file is rare), then as every text is.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString checked = utf8.decode(decoded);
    if (utf8.hasError())
        problems.append(QStringLiteral("entry %1: bytes that are not UTF-8 are replaced").arg(entry));
    return textFromUtf8(decoded.constData(), decoded.size());
}

}  // namespace

namespace {

// Most texts are kept as they were read; the few that are not in the stored form (bytes that are not UTF-8, our escape,
// characters XML cannot carry) go through QString, as any text given to the list does.
void appendText(EntryList &strings, const char *data, qsizetype size)
{
    if (isStoredForm(data, size))
        strings.appendStored(QByteArrayView(data, size));
    else
        strings.append(textFromUtf8(data, size));
}

// Reads the entries of one piece of an array's body up to its end, or, for the last piece, up to "</array>" (the
// cursor is left after it). False when the piece holds anything else: a piece cut inside a comment fails this way.
bool readEntries(Cursor &c, bool last, EntryList &strings)
{
    // A long list is packed as it is read, so that it never takes the memory of all its text (see EntryArena); the
    // public readers turn this off before they hand the list over.
    strings.setPackWhenFull(true);
    for (;;) {
        if (!c.skipMisc())
            return false;
        if (!last && c.atEnd())
            return true;
        if (c.take("</array>"))
            return last;
        if (c.take("<string/>")) {
            strings.appendStored({});
            continue;
        }
        if (!c.take("<string>"))
            return false;
        const char *textEnd = static_cast<const char *>(std::memchr(c.p, '<', size_t(c.e - c.p)));
        if (!textEnd)
            return false;
        const char *textBegin = c.p;
        c.p = textEnd;
        if (!c.take("</string>"))
            return false;
        if (std::memchr(textBegin, '&', size_t(textEnd - textBegin))) {
            const std::optional<QByteArray> decoded = decodeEntities(textBegin, textEnd);
            if (!decoded)
                return false;
            appendText(strings, decoded->constData(), decoded->size());
        } else {
            appendText(strings, textBegin, textEnd - textBegin);
        }
    }
}

// Where the body from begin to end is cut into pieces: just after an end tag "</string>", which no text can hold.
QList<const char *> pieceBounds(const char *begin, const char *end, qsizetype minPieceBytes, int maxPieces)
{
    static constexpr char kEndTag[] = "</string>";
    constexpr size_t kEndTagSize = sizeof(kEndTag) - 1;
    const int pieces = int(std::clamp<qsizetype>((end - begin) / std::max<qsizetype>(minPieceBytes, 1), 1, maxPieces));
    QList<const char *> bounds{begin};
    for (int i = 1; i < pieces; ++i) {
        const char *from = std::max(begin + (end - begin) / pieces * i, bounds.constLast());
        const void *hit = ::memmem(from, size_t(end - from), kEndTag, kEndTagSize);
        if (!hit)
            break;
        bounds.append(static_cast<const char *>(hit) + kEndTagSize);
    }
    bounds.append(end);
    return bounds;
}

// Reads pieces 0 to pieces - 1 side by side with readPiece(index, part), the first on this thread, and joins their
// entries in order into strings. False, leaving strings alone, when a piece does not read.
template <typename ReadPiece>
bool readPiecesSideBySide(qsizetype pieces, const ReadPiece &readPiece, EntryList &strings)
{
    std::vector<EntryList> parts(static_cast<size_t>(pieces));
    std::vector<std::future<bool>> others;
    for (qsizetype i = 1; i < pieces; ++i) {
        // Where no thread can be started, libstdc++ defers the piece to the get() below, on this thread.
        others.push_back(std::async(std::launch::async | std::launch::deferred,
                                    [&readPiece, i, &part = parts[size_t(i)]] { return readPiece(i, part); }));
    }
    bool read = readPiece(0, parts[0]);
    for (std::future<bool> &other : others)
        read = other.get() && read;
    if (!read)
        return false;
    qsizetype total = 0;
    for (const EntryList &part : std::as_const(parts))
        total += part.size();
    strings.reserve(strings.size() + total);
    // The pieces' texts stay where they were read: the list takes over their arenas.
    for (EntryList &part : parts)
        strings.append(std::move(part));
    return true;
}

// Reads the array's body from c on, in pieces read side by side, and leaves c after "</array>". When a piece does not
// read (cut inside a comment, or the body is not ours), the body is read again in one go, so the answer is always
// that of a reader that never cuts.
bool readBody(Cursor &c, qsizetype minPieceBytes, int maxPieces, EntryList &strings, int &piecesRead)
{
    const QList<const char *> bounds = pieceBounds(c.p, c.e, minPieceBytes, maxPieces);
    const qsizetype pieces = bounds.size() - 1;
    piecesRead = 1;
    if (pieces == 1)
        return readEntries(c, true, strings);
    // The last piece runs to the end of the bytes; its cursor ends up after "</array>".
    Cursor last(bounds.at(pieces - 1), c.e);
    const auto readPiece = [&](qsizetype i, EntryList &part) {
        if (i == pieces - 1)
            return readEntries(last, true, part);
        Cursor piece(bounds.at(i), bounds.at(i + 1));
        return readEntries(piece, false, part);
    };
    if (!readPiecesSideBySide(pieces, readPiece, strings)) {
        strings.clear();
        return readEntries(c, true, strings);
    }
    c.p = last.p;
    piecesRead = int(pieces);
    return true;
}

}  // namespace

namespace {

// Everything before the array: a byte order mark, the XML declaration (UTF-8 only), comments, a doctype without an
// internal subset, and the plist element's start tag. False for anything else.
bool takePrologue(Cursor &c)
{
    c.take("\xEF\xBB\xBF");
    c.skipSpace();
    if (c.take("<?xml")) {
        const char *declEnd = static_cast<const char *>(::memmem(c.p, size_t(c.e - c.p), "?>", 2));
        if (!declEnd)
            return false;
        const QByteArray decl = QByteArray(c.p, declEnd - c.p).toLower();
        if (decl.contains("encoding") && !decl.contains("utf-8"))
            return false;
        c.p = declEnd + 2;
    }
    if (!c.skipMisc())
        return false;
    if (c.take("<!DOCTYPE")) {
        const char *close = static_cast<const char *>(std::memchr(c.p, '>', size_t(c.e - c.p)));
        const char *subset = static_cast<const char *>(std::memchr(c.p, '[', size_t(c.e - c.p)));
        if (!close || (subset && subset < close))
            return false;
        c.p = close + 1;
    }
    if (!c.skipMisc() || !c.take("<plist"))
        return false;
    const char *plistOpen = static_cast<const char *>(std::memchr(c.p, '>', size_t(c.e - c.p)));
    if (!plistOpen || plistOpen[-1] == '/')
        return false;
    c.p = plistOpen + 1;
    return c.skipMisc();
}

// Everything after the array.
bool takeEpilogue(Cursor &c)
{
    return c.skipMisc() && c.take("</plist>") && c.skipMisc() && c.atEnd();
}

int piecesFor(int maxPieces)
{
    return maxPieces > 0 ? maxPieces : int(std::clamp(std::thread::hardware_concurrency(), 1U, 4U));
}

}  // namespace

std::optional<EntryList> readStringArrayFast(const QByteArray &bytes, qsizetype minPieceBytes, int maxPieces,
                                             int *piecesRead)
{
    int pieces = 1;
    Cursor c(bytes.constData(), bytes.constData() + bytes.size());
    if (!takePrologue(c))
        return std::nullopt;
    EntryList strings;
    if (!c.take("<array/>")) {
        if (!c.take("<array>"))
            return std::nullopt;
        if (!readBody(c, minPieceBytes, piecesFor(maxPieces), strings, pieces))
            return std::nullopt;
    }
    if (!takeEpilogue(c))
        return std::nullopt;
    if (piecesRead)
        *piecesRead = pieces;
    strings.setPackWhenFull(false);
    return strings;
}

namespace {

// Appends n bytes read at offset to out; false when the file cannot be read or ends before.
bool readAt(int fd, qint64 offset, qsizetype n, QByteArray &out)
{
    const qsizetype old = out.size();
    out.resize(old + n);
    qsizetype done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd, out.data() + old + done, size_t(n - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            out.resize(old + done);
            return false;
        }
        done += got;
    }
    return true;
}

constexpr char kEndTag[] = "</string>";
constexpr qsizetype kEndTagSize = sizeof(kEndTag) - 1;

// Just after the last end tag between begin and end; null when there is none.
const char *afterLastEndTag(const char *begin, const char *end)
{
    for (const char *p = end; p > begin;) {
        const auto *open = static_cast<const char *>(::memrchr(begin, '<', size_t(p - begin)));
        if (!open)
            return nullptr;
        if (end - open >= kEndTagSize && std::memcmp(open, kEndTag, kEndTagSize) == 0)
            return open + kEndTagSize;
        p = open;
    }
    return nullptr;
}

// Where the body from bodyStart to the file's end is cut into pieces: just after an end tag, found by reading a little
// at each cut (more where an entry is long). None when the file cannot be read.
std::optional<QList<qint64>> filePieceBounds(int fd, qint64 bodyStart, qint64 size, int pieces)
{
    QList<qint64> bounds{bodyStart};
    for (int i = 1; i < pieces; ++i) {
        const qint64 from = std::max(bodyStart + (size - bodyStart) / pieces * i, bounds.constLast());
        std::optional<qint64> bound;
        for (qsizetype window = qsizetype(64) << 10;; window *= 4) {
            QByteArray bytes;
            const qsizetype n = qsizetype(std::min<qint64>(window, size - from));
            if (!readAt(fd, from, n, bytes))
                return std::nullopt;
            if (const void *hit = ::memmem(bytes.constData(), size_t(n), kEndTag, kEndTagSize)) {
                bound = from + (static_cast<const char *>(hit) - bytes.constData()) + kEndTagSize;
                break;
            }
            if (from + n >= size)
                break;
        }
        if (!bound)
            break;
        bounds.append(*bound);
    }
    bounds.append(size);
    return bounds;
}

// Reads the entries of the file's bytes from..to in chunks, each read up to its last end tag and the rest carried into
// the next; the last piece also reads "</array>" and what follows it. False when the piece does not read.
bool readFilePiece(int fd, qint64 from, qint64 to, bool last, qsizetype chunkBytes, EntryList &strings, quint32 *crc)
{
    QByteArray buffer;
    for (qint64 at = from;;) {
        const qsizetype n = qsizetype(std::min<qint64>(chunkBytes, to - at));
        if (!readAt(fd, at, n, buffer))
            return false;
        if (crc)
            *crc = crc32(buffer.constData() + buffer.size() - n, n, *crc);
        at += n;
        const bool end = at >= to;
        const char *begin = buffer.constData();
        const char *stop = end ? begin + buffer.size() : afterLastEndTag(begin, begin + buffer.size());
        if (!stop)
            continue;  // a long entry: read on
        Cursor c(begin, stop);
        if (end && last)
            return readEntries(c, true, strings) && takeEpilogue(c);
        if (!readEntries(c, false, strings))
            return false;
        if (end)
            return true;
        buffer.remove(0, stop - begin);
    }
}

}  // namespace

std::optional<EntryList> readStringArrayFile(int fd, qint64 size, qsizetype minPieceBytes, int maxPieces,
                                             qsizetype chunkBytes, int *piecesRead, FileChecksum *checksum)
{
    QByteArray head;
    if (!readAt(fd, 0, qsizetype(std::min<qint64>(size, qint64(64) << 10)), head))
        return std::nullopt;
    Cursor c(head.constData(), head.constData() + head.size());
    if (!takePrologue(c) || !c.take("<array>"))
        return std::nullopt;
    const qint64 bodyStart = c.p - head.constData();
    const int wanted =
        int(std::clamp<qint64>((size - bodyStart) / std::max<qsizetype>(minPieceBytes, 1), 1, piecesFor(maxPieces)));
    const std::optional<QList<qint64>> bounds = filePieceBounds(fd, bodyStart, size, wanted);
    if (!bounds)
        return std::nullopt;
    const qsizetype pieces = bounds->size() - 1;
    // Each piece's checksum, when the file's is asked for.
    std::vector<quint32> crcs(static_cast<size_t>(pieces), 0);
    const auto readPiece = [&](qsizetype i, EntryList &part) {
        return readFilePiece(fd, bounds->at(i), bounds->at(i + 1), i == pieces - 1, chunkBytes, part,
                             checksum ? &crcs[size_t(i)] : nullptr);
    };
    EntryList strings;
    if (!readPiecesSideBySide(pieces, readPiece, strings))
        return std::nullopt;
    if (piecesRead)
        *piecesRead = int(pieces);
    if (checksum) {
        // The bytes before the array, then each piece in order: the checksum of the bytes that were read.
        quint32 crc = crc32(head.constData(), qsizetype(bodyStart));
        for (qsizetype i = 0; i < pieces; ++i)
            crc = crc32Combine(crc, crcs[size_t(i)], bounds->at(i + 1) - bounds->at(i));
        *checksum = FileChecksum{size, crc};
    }
    strings.setPackWhenFull(false);
    return strings;
}

std::optional<SalvagedStrings> salvageStringArray(const QByteArray &bytes)
{
    const char *begin = bytes.constData();
    const char *end = begin + bytes.size();
    const char *plist = static_cast<const char *>(::memmem(begin, size_t(end - begin), "<plist", 6));
    if (!plist)
        return std::nullopt;
    Cursor c(plist, end);
    if (!c.skipPast("<array"))
        return std::nullopt;
    SalvagedStrings out;
    if (c.take("/>"))
        return out;
    const QString cutOff = QStringLiteral("the file ends before its list does: it is cut off");
    if (!c.skipPast(">")) {
        out.problems.append(cutOff);
        return out;
    }
    auto entry = [&out] { return out.strings.size() + 1; };
    for (;;) {
        const char *tag = static_cast<const char *>(std::memchr(c.p, '<', size_t(c.e - c.p)));
        if (!tag) {
            out.problems.append(cutOff);
            break;
        }
        if (!isBlank(c.p, tag))
            out.problems.append(QStringLiteral("damaged text before entry %1 is left out").arg(entry()));
        c.p = tag;
        if (c.take("</array>"))
            break;
        if (c.take("<string/>")) {
            out.strings.append(QString());
            continue;
        }
        if (c.startsWith("<!--")) {
            if (!c.skipPast("-->")) {
                out.problems.append(cutOff);
                break;
            }
            continue;
        }
        if (c.take("<string>")) {
            const char *textBegin = c.p;
            const char *textEnd = static_cast<const char *>(std::memchr(c.p, '<', size_t(c.e - c.p)));
            if (!textEnd) {
                out.problems.append(cutOff);
                break;
            }
            c.p = textEnd;
            if (!c.take("</string>")) {
                out.problems.append(QStringLiteral("entry %1 is damaged and left out").arg(entry()));
                continue;
            }
            out.strings.append(salvagedText(textBegin, textEnd, entry(), out.problems));
            continue;
        }
        // Markup that a flipped bit made unknown.
        if (!c.skipPast(">")) {
            out.problems.append(cutOff);
            break;
        }
        out.problems.append(QStringLiteral("damaged markup before entry %1 is left out").arg(entry()));
    }
    return out;
}

}  // namespace tavrin::plist
