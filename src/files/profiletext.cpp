#include "files/profiletext.h"

#include "files/cp1252.h"

#include <QHash>

#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace trovanta::files {

namespace profiletext {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView s)
{
    const char *b = s.data(), *e = b + s.size();
    while (b < e && isBlank(*b))
        ++b;
    while (e > b && isBlank(e[-1]))
        --e;
    return QByteArrayView(b, e - b);
}

enum class Kind { Blank, Other, Section, Entry };

struct Line {
    qsizetype start = 0;
    qsizetype contentEnd = 0; // before the line end
    qsizetype next = 0;       // after the line end
    Kind kind = Kind::Blank;
    QByteArrayView name;      // section name or key, trimmed
    QByteArrayView value;     // entries: everything after the first "="
};

void classify(QByteArrayView content, Line &line)
{
    const QByteArrayView t = trimmed(content);
    line.name = {};
    line.value = {};
    if (t.isEmpty()) {
        line.kind = Kind::Blank;
    } else if (t[0] == ';') {
        line.kind = Kind::Other;
    } else if (t[0] == '[') {
        // The last "]" closes the name, so names may hold "]" themselves.
        const auto close = t.lastIndexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = trimmed(t.sliced(1, close - 1));
        } else {
            line.kind = Kind::Other;
        }
    } else {
        const auto eq = content.indexOf('=');
        if (eq >= 0) {
            line.kind = Kind::Entry;
            line.name = trimmed(content.first(eq));
            line.value = content.sliced(eq + 1);
        } else {
            line.kind = Kind::Other;
        }
    }
}

// Walks the lines of a file; CR LF, LF and CR end a line.
class Lines {
public:
    explicit Lines(QByteArrayView file) : m_file(file) {}

    bool next(Line &line)
    {
        if (m_pos >= m_file.size())
            return false;
        line.start = m_pos;
        // The line end found with memchr: settings files of many megabytes
        // are walked on every save.
        const char *data = m_file.data();
        const qsizetype size = m_file.size();
        qsizetype i = size;
        if (const void *lf = std::memchr(data + m_pos, '\n', static_cast<std::size_t>(size - m_pos)))
            i = static_cast<const char *>(lf) - data;
        if (const void *cr = std::memchr(data + m_pos, '\r', static_cast<std::size_t>(i - m_pos)))
            i = static_cast<const char *>(cr) - data;
        line.contentEnd = i;
        if (i < size)
            i += (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ? 2 : 1;
        line.next = m_pos = i;
        classify(m_file.sliced(line.start, line.contentEnd - line.start), line);
        return true;
    }

private:
    QByteArrayView m_file;
    qsizetype m_pos = 0;
};

// The form in which a wanted name meets the names in the file: as it would
// be stored, trimmed.
QByteArray wantedName(const QString &name)
{
    return trimmed(cp1252::encode(oneLine(name))).toByteArray();
}

// Case folding of every byte of the code page, so that names compare without
// decoding them.
const std::array<char16_t, 256> &foldTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            t[static_cast<std::size_t>(b)] =
                static_cast<char16_t>(QChar::toCaseFolded(
                    char32_t(cp1252::decode(QByteArrayView(&byte, 1)).at(0).unicode())));
        }
        return t;
    }();
    return table;
}

const QByteArray Crlf = "\r\n";

} // namespace

QString oneLine(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += u' ';
        } else if (c == u'\n') {
            out += u' ';
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

// A name as the document indexes it: folded byte by byte.
QString folded(QByteArrayView name)
{
    const auto &fold = foldTable();
    QString out(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        out[i] = QChar(fold[static_cast<unsigned char>(name[i])]);
    return out;
}

} // namespace

struct Document::Impl {
    struct Node {
        qsizetype start = 0, length = 0; // the content in `file`, unless replaced
        std::optional<QByteArray> text;   // a written entry's content
        QByteArray ending;
        int next = -1;
    };

    QByteArray file;
    std::vector<Node> nodes;
    int head = -1, tail = -1;
    // Where an entry of a section that lacks it goes: after the last line
    // that is not blank in the first section of that name.
    QHash<QString, int> insertAfter;
    // The first entry of a section name and key, in file order.
    QHash<std::pair<QString, QString>, int> entries;

    QByteArrayView content(const Node &n) const
    {
        return n.text ? QByteArrayView(*n.text) : QByteArrayView(file).sliced(n.start, n.length);
    }

    int append(Node n)
    {
        nodes.push_back(std::move(n));
        const int i = static_cast<int>(nodes.size()) - 1;
        if (tail >= 0)
            nodes[static_cast<std::size_t>(tail)].next = i;
        else
            head = i;
        tail = i;
        return i;
    }

    int insertAfterNode(int after, Node n)
    {
        n.next = nodes[static_cast<std::size_t>(after)].next;
        nodes.push_back(std::move(n));
        const int i = static_cast<int>(nodes.size()) - 1;
        nodes[static_cast<std::size_t>(after)].next = i;
        if (after == tail)
            tail = i;
        return i;
    }
};

Document::Document(QByteArray file) : d_(new Impl)
{
    d_->file = std::move(file);
    const QByteArrayView bytes(d_->file);
    QString section;
    bool inSection = false, inFirst = false;
    Lines lines(bytes);
    Line line;
    while (lines.next(line)) {
        Impl::Node n;
        n.start = line.start;
        n.length = line.contentEnd - line.start;
        n.ending = bytes.sliced(line.contentEnd, line.next - line.contentEnd).toByteArray();
        const int i = d_->append(std::move(n));
        if (line.kind == Kind::Section) {
            section = folded(line.name);
            inSection = true;
            inFirst = !d_->insertAfter.contains(section);
            if (inFirst)
                d_->insertAfter.insert(section, i);
            continue;
        }
        if (inSection && line.kind == Kind::Entry) {
            std::pair<QString, QString> id{section, folded(line.name)};
            if (!d_->entries.contains(id))
                d_->entries.insert(std::move(id), i);
        }
        if (inFirst && line.kind != Kind::Blank)
            d_->insertAfter[section] = i;
    }
}

Document::~Document() { delete d_; }

std::optional<QByteArray> Document::find(const QString &section, const QString &key) const
{
    const auto it = d_->entries.constFind({folded(wantedName(section)), folded(wantedName(key))});
    if (it == d_->entries.constEnd())
        return std::nullopt;
    const QByteArrayView c = d_->content(d_->nodes[static_cast<std::size_t>(*it)]);
    return c.sliced(c.indexOf('=') + 1).toByteArray();
}

bool Document::set(const QString &section, const QString &key, const QString &value)
{
    const QByteArray sectionBytes = cp1252::encode(oneLine(section));
    const QByteArray keyBytes = cp1252::encode(oneLine(key));
    const QByteArray valueBytes = cp1252::encode(oneLine(value));
    const QByteArray header = '[' + sectionBytes + ']';
    QByteArray entry = keyBytes + '=' + valueBytes;

    // Write only what reads back as the same section and entry.
    Line probe;
    classify(header, probe);
    if (probe.kind != Kind::Section || probe.name != trimmed(sectionBytes))
        return false;
    classify(entry, probe);
    if (probe.kind != Kind::Entry || probe.name != trimmed(keyBytes) || probe.value != valueBytes)
        return false;

    const QString s = folded(trimmed(sectionBytes));
    const std::pair<QString, QString> id{s, folded(trimmed(keyBytes))};
    if (const auto it = d_->entries.constFind(id); it != d_->entries.constEnd()) {
        d_->nodes[static_cast<std::size_t>(*it)].text = std::move(entry);
        return true;
    }
    Impl::Node n;
    n.text = std::move(entry);
    n.ending = Crlf;
    if (const auto it = d_->insertAfter.find(s); it != d_->insertAfter.end()) {
        Impl::Node &after = d_->nodes[static_cast<std::size_t>(*it)];
        if (*it == d_->tail && after.ending.isEmpty()) // last line, unterminated
            after.ending = Crlf;
        const int i = d_->insertAfterNode(*it, std::move(n));
        *it = i;
        d_->entries.insert(id, i);
        return true;
    }
    if (d_->tail >= 0 && d_->nodes[static_cast<std::size_t>(d_->tail)].ending.isEmpty())
        d_->nodes[static_cast<std::size_t>(d_->tail)].ending = Crlf;
    Impl::Node h;
    h.text = header;
    h.ending = Crlf;
    d_->append(std::move(h));
    const int i = d_->append(std::move(n));
    d_->insertAfter.insert(s, i);
    d_->entries.insert(id, i);
    return true;
}

QByteArray Document::bytes() const
{
    qsizetype size = 0;
    for (int i = d_->head; i >= 0; i = d_->nodes[static_cast<std::size_t>(i)].next) {
        const Impl::Node &n = d_->nodes[static_cast<std::size_t>(i)];
        size += d_->content(n).size() + n.ending.size();
    }
    QByteArray out;
    out.reserve(size);
    for (int i = d_->head; i >= 0; i = d_->nodes[static_cast<std::size_t>(i)].next) {
        const Impl::Node &n = d_->nodes[static_cast<std::size_t>(i)];
        out += d_->content(n);
        out += n.ending;
    }
    return out;
}

std::optional<qint64> parseSwitch(QStringView value)
{
    qsizetype b = 0, e = value.size();
    while (b < e && (value[b] == u' ' || value[b] == u'\t'))
        ++b;
    while (e > b && (value[e - 1] == u' ' || value[e - 1] == u'\t'))
        --e;
    const QStringView v = value.sliced(b, e - b);
    if (v.isEmpty())
        return std::nullopt;

    auto hex = [](QStringView digits) -> std::optional<qint64> {
        if (digits.isEmpty())
            return std::nullopt;
        quint64 n = 0;
        for (const QChar c : digits) {
            const char16_t u = c.unicode();
            const int d = u >= u'0' && u <= u'9'   ? u - u'0'
                          : u >= u'a' && u <= u'f' ? u - u'a' + 10
                          : u >= u'A' && u <= u'F' ? u - u'A' + 10
                                                   : -1;
            if (d < 0)
                return std::nullopt;
            n = n * 16 + quint64(d);
            if (n > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return qint64(n);
    };

    if (v.size() > 2 && v[0] == u'0' && (v[1] == u'x' || v[1] == u'X'))
        return hex(v.sliced(2));
    if (v[0] == u'$')
        return hex(v.sliced(1));

    qsizetype i = 0;
    const bool negative = v[0] == u'-';
    if (v[0] == u'-' || v[0] == u'+')
        ++i;
    if (i == v.size())
        return std::nullopt;
    qint64 n = 0;
    for (; i < v.size(); ++i) {
        const char16_t c = v[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c - u'0');
        if (n > qint64(1) << 31)
            return std::nullopt;
    }
    if (!negative && n > 0x7FFFFFFF)
        return std::nullopt;
    return negative ? -n : n;
}

} // namespace profiletext

} // namespace trovanta::files
