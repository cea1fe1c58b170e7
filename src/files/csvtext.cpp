#include "files/csvtext.h"

#include "files/cp1252.h"
#include "files/fileerror.h"

#include "calc/error.h"
#include "calc/numtext.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace trovanta::files::csv {

namespace {

constexpr char Delimiters[] = {',', ';', '\t'};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// UTF-8 of one code point below 0x110000; returns the bytes written.
int putUtf8(char *out, char32_t c)
{
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

constexpr char32_t Replacement = 0xFFFD;

bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

} // namespace

std::int64_t Reader::expected() const
{
    const bool utf16 = encoding_ == Encoding::Utf16Le || encoding_ == Encoding::Utf16Be;
    return utf16 ? expected_ / 2 : expected_;
}

void Reader::feed(QByteArrayView bytes)
{
    if (encoding_ == Encoding::Undecided) {
        if (head_.isEmpty() && bytes.size() >= SniffBytes) {
            decide(bytes);
        } else {
            const qsizetype take = std::min(bytes.size(), SniffBytes - head_.size());
            head_.append(bytes.first(take));
            bytes = bytes.sliced(take);
            if (head_.size() < SniffBytes)
                return;
            decide(head_);
            const QByteArray head = std::exchange(head_, QByteArray());
            pass(head);
        }
    }
    pass(bytes);
}

void Reader::finish()
{
    if (encoding_ == Encoding::Undecided) {
        decide(head_);
        const QByteArray head = std::exchange(head_, QByteArray());
        pass(head);
    }
    if (oddByte_ >= 0 || high_) {
        // A unit cut off by the end, or a high surrogate with no low one.
        char tail[8];
        int n = 0;
        if (high_)
            n += putUtf8(tail + n, Replacement);
        if (oddByte_ >= 0)
            n += putUtf8(tail + n, Replacement);
        oddByte_ = -1;
        high_ = 0;
        if (!stopped())
            split(QByteArrayView(tail, n));
    }
    if (!stopped() && (partialOverlong_ || !partial_.isEmpty())) {
        pos_ = fed_;
        line(partial_, partialOverlong_);
    }
    partial_.clear();
    partialOverlong_ = false;
}

// From the first bytes (at most 512 looked at): plain bytes or UTF-16.
void Reader::decide(QByteArrayView head)
{
    encoding_ = Encoding::Bytes;
    if (head.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(head[0]), b1 = static_cast<unsigned char>(head[1]);
        if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) {
            encoding_ = b0 == 0xFF ? Encoding::Utf16Le : Encoding::Utf16Be;
            skip_ = 2;
            return;
        }
    }
    // Text in 8 bits has no zero bytes; UTF-16 of Latin-1 text has one in
    // every unit, always on the same side.
    head = head.first(std::min(head.size(), SniffBytes));
    const qsizetype units = head.size() / 2;
    if (units < 2)
        return;
    qsizetype le = 0, be = 0;
    for (qsizetype i = 0; i < units; ++i) {
        const char a = head[2 * i], b = head[2 * i + 1];
        le += a != 0 && b == 0;
        be += a == 0 && b != 0;
    }
    if (le * 4 >= units * 3)
        encoding_ = Encoding::Utf16Le;
    else if (be * 4 >= units * 3)
        encoding_ = Encoding::Utf16Be;
}

void Reader::pass(QByteArrayView bytes)
{
    if (skip_ > 0) {
        const qsizetype n = std::min(skip_, bytes.size());
        bytes = bytes.sliced(n);
        skip_ -= n;
    }
    if (bytes.isEmpty() || stopped())
        return;
    if (encoding_ == Encoding::Bytes)
        split(bytes);
    else
        transcode(bytes);
}

void Reader::transcode(QByteArrayView bytes)
{
    // Each unit gives at most three bytes, a waiting surrogate three more.
    const qsizetype most = (bytes.size() / 2 + 2) * 3 + 4;
    if (utf8_.size() < most)
        utf8_.resize(most);
    char *const out = utf8_.data();
    qsizetype n = 0;
    const bool le = encoding_ == Encoding::Utf16Le;
    auto take = [&](unsigned char first, unsigned char second) {
        const auto u = static_cast<char16_t>(le ? first | second << 8 : first << 8 | second);
        if (high_) {
            const char16_t high = std::exchange(high_, char16_t(0));
            if (isLow(u)) {
                n += putUtf8(out + n, 0x10000 + ((char32_t(high) - 0xD800) << 10) + (char32_t(u) - 0xDC00));
                return;
            }
            n += putUtf8(out + n, Replacement);
        }
        if (isHigh(u))
            high_ = u;
        else
            n += putUtf8(out + n, isLow(u) ? Replacement : char32_t(u));
    };
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    if (oddByte_ >= 0) {
        take(static_cast<unsigned char>(oddByte_), b[0]);
        oddByte_ = -1;
        i = 1;
    }
    for (; i + 1 < size; i += 2)
        take(b[i], b[i + 1]);
    if (i < size)
        oddByte_ = b[i];
    split(QByteArrayView(out, n));
}

void Reader::split(QByteArrayView bytes)
{
    const char *const begin = bytes.data();
    const char *const end = begin + bytes.size();
    const char *p = begin;
    if (p < end) {
        if (afterCr_ && *p == '\n')
            ++p;
        afterCr_ = false;
    }
    while (p < end && !stopped()) {
        const char *e = p;
        while (e < end && *e != '\n' && *e != '\r')
            ++e;
        const qsizetype n = e - p;
        if (partialOverlong_ || partial_.size() + n > MaxLine) {
            partial_.clear();
            partialOverlong_ = true;
        } else if (e == end || !partial_.isEmpty()) {
            partial_.append(p, n);
        }
        if (e == end)
            break;

        if (*e == '\r') {
            if (e + 1 < end) {
                if (e[1] == '\n')
                    ++e;
            } else {
                afterCr_ = true;
            }
        }
        pos_ = fed_ + (e + 1 - begin);
        if (partialOverlong_ || !partial_.isEmpty()) {
            line(partial_, partialOverlong_);
            partial_.clear();
            partialOverlong_ = false;
        } else {
            line(QByteArrayView(p, n), false);
        }
        p = e + 1;
    }
    fed_ += bytes.size();
}

void Reader::line(QByteArrayView text, bool overlong)
{
    ++lines_;
    if (lines_ == 1 && text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (!found_) {
        if (!overlong && findHeader(text)) {
            found_ = true;
            headerLine_ = lines_;
        } else if (lines_ >= HeaderLines) {
            stopped_ = true;
        }
        return;
    }
    if (!overlong && trimmed(text).isEmpty())
        return;
    table_.line(text, overlong);
}

bool Reader::findHeader(QByteArrayView text)
{
    // Valid UTF-8 is read as such, anything else as Windows-1252.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(text));
    const bool isUtf8 = !utf8.hasError();

    Header h;
    for (const char delimiter : Delimiters) {
        h.delimiter = delimiter;
        h.names.clear();
        h.lower.clear();
        forEachCell(text, delimiter, [&](int, QByteArrayView cell) {
            const QByteArrayView c = cleaned(cell);
            h.names.push_back(isUtf8 ? QString::fromUtf8(c) : cp1252::decode(c));
            h.lower.push_back(h.names.back().toLower());
            return true;
        });
        if (table_.header(h)) {
            delimiter_ = delimiter;
            return true;
        }
    }
    return false;
}

QByteArrayView trimmed(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

QByteArrayView cleaned(QByteArrayView cell)
{
    cell = trimmed(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = trimmed(cell.sliced(1, cell.size() - 2));
    return cell;
}

bool twoCells(QByteArrayView text, char delimiter, int a, int b, QByteArrayView &cellA, QByteArrayView &cellB)
{
    const int last = std::max(a, b);
    int seen = 0;
    forEachCell(text, delimiter, [&](int i, QByteArrayView cell) {
        if (i == a)
            cellA = cleaned(cell);
        if (i == b)
            cellB = cleaned(cell);
        seen = i + 1;
        return i < last;
    });
    return seen > last;
}

bool number(QByteArrayView cell, bool decimalComma, double &value)
{
    // Most cells are plain digits with a point, which std::from_chars reads
    // as the number text does; the rest take the full reading. Letters stay
    // out of the quick way: from_chars would take "inf" and "nan".
    const char *first = cell.data();
    const char *last = first + cell.size();
    const bool plain = std::all_of(first, last, [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; });
    if (plain && first != last) {
        const auto r = std::from_chars(first, last, value, std::chars_format::fixed);
        if (r.ec == std::errc() && r.ptr == last)
            return true;
    }
    const std::string_view s(first, static_cast<std::size_t>(cell.size()));
    return num::tryParseDecimal(s, '.', value) || (decimalComma && num::tryParseDecimal(s, ',', value));
}

namespace {

// Feeds the chunks that `next` brings (an empty one at the end) and reports
// progress after each.
template <typename Next>
bool feedChunks(Reader &reader, std::int64_t total, const Progress &progress, Next next)
{
    reader.expectBytes(total);
    std::int64_t done = 0;
    while (!reader.stopped()) {
        const QByteArrayView chunk = next();
        if (chunk.isEmpty())
            break;
        reader.feed(chunk);
        done += chunk.size();
        if (progress && !progress(done, std::max(total, done)))
            return false;
    }
    return true;
}

struct Fd {
    int fd;
    ~Fd() { ::close(fd); }
};

} // namespace

bool feedFile(const QString &path, Reader &reader, const Progress &progress)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        throw fileError(ENOENT);
    if (name.contains('\0'))
        throw fileError(EINVAL);
    // Not blocking: opening a FIFO without a writer would wait for one.
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw fileError(errno);
    const Fd guard{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0)
        throw fileError(errno);
    if (S_ISDIR(st.st_mode))
        throw fileError(EISDIR);
    if (!S_ISREG(st.st_mode))
        throw Error(msg::NotOrdinaryFile);

    const std::unique_ptr<char[]> buffer(new char[Chunk]);
    return feedChunks(reader, st.st_size, progress, [&]() -> QByteArrayView {
        for (;;) {
            const ssize_t n = ::read(fd, buffer.get(), Chunk);
            if (n >= 0)
                return QByteArrayView(buffer.get(), n);
            if (errno != EINTR)
                throw fileError(errno);
        }
    });
}

bool feedBytes(QByteArrayView bytes, Reader &reader, const Progress &progress)
{
    qsizetype at = 0;
    return feedChunks(reader, bytes.size(), progress, [&] {
        const qsizetype n = std::min(Chunk, bytes.size() - at);
        const QByteArrayView chunk = bytes.sliced(at, n);
        at += n;
        return chunk;
    });
}

} // namespace trovanta::files::csv
