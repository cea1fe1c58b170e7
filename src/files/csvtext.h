#pragma once
// The reading that every CSV export of another program goes through (the
// logger and the dyno readers): text fed in pieces of any size, split into
// lines and cells, and the header found by the reader's own test.
//
// - Text: UTF-8 or Windows-1252 (a UTF-8 BOM is dropped), or UTF-16 LE or
//   BE, with its BOM or without when the first 512 bytes are plainly UTF-16
//   (at least three units in four a Latin-1 character with its zero byte on
//   the same side). UTF-16 is turned into UTF-8 before the lines are split.
// - Lines end in LF, CRLF or CR; a line over 64 KiB is passed on as
//   overlong, without its text.
// - Header: the first line among the first 200 that, split at ",", ";" or
//   tab (tried in that order), the table takes. Its names are trimmed,
//   unquoted and read as UTF-8 when valid, else as Windows-1252.
// - After the header, blank lines are dropped; every other line goes to the
//   table. A delimiter between double quotes does not split a cell.
//
// No GUI, no shared state: any thread may read.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace trovanta::files::csv {

inline constexpr qsizetype MaxLine = 64 * 1024;
inline constexpr qsizetype Chunk = 1024 * 1024;
inline constexpr int HeaderLines = 200;
// What is looked at to tell UTF-16 without a BOM.
inline constexpr qsizetype SniffBytes = 512;

// A line split at one delimiter, offered as the header.
struct Header {
    char delimiter = ',';
    std::vector<QString> names; // trimmed and unquoted
    std::vector<QString> lower; // the same in lower case
};

// What a reader does with the lines.
class Table {
public:
    // True when this split of the line is the header.
    virtual bool header(const Header &header) = 0;
    // A non-blank line after the header; an overlong one comes without text.
    virtual void line(QByteArrayView text, bool overlong) = 0;

protected:
    ~Table() = default;
};

class Reader {
public:
    explicit Reader(Table &table) : table_(table) {}

    // Any split of the bytes reads the same.
    void feed(QByteArrayView bytes);
    // The last line, which may have no end. Once; nothing is fed after.
    void finish();

    bool headerFound() const { return found_; }
    std::int64_t headerLine() const { return headerLine_; } // counted from 1
    char delimiter() const { return delimiter_; }
    // No header in the first 200 lines, or the table wants no more lines
    // (a header it must refuse): a feeder may stop.
    bool stopped() const { return stopped_; }
    void stop() { stopped_ = true; }

    // The file's size, if known, and how far the reading is, both in bytes
    // of the text as split (UTF-16 counts about half).
    void expectBytes(std::int64_t total) { expected_ = total; }
    std::int64_t expected() const;
    std::int64_t position() const { return pos_; }

private:
    enum class Encoding { Undecided, Bytes, Utf16Le, Utf16Be };

    void decide(QByteArrayView head);
    void pass(QByteArrayView bytes);
    void transcode(QByteArrayView bytes);
    void unit(char16_t u);
    void split(QByteArrayView bytes);
    void line(QByteArrayView text, bool overlong);
    bool findHeader(QByteArrayView text);

    Table &table_;
    Encoding encoding_ = Encoding::Undecided;
    QByteArray head_;          // the first bytes while the encoding is undecided
    qsizetype skip_ = 0;       // a UTF-16 BOM still to drop
    int oddByte_ = -1;         // UTF-16: the first byte of a unit split between pieces
    char16_t high_ = 0;        // UTF-16: a high surrogate waiting for its low one
    QByteArray utf8_;          // UTF-16 turned into UTF-8, one piece at a time
    QByteArray partial_;       // an unfinished line from the last piece
    bool partialOverlong_ = false;
    bool afterCr_ = false;     // the last piece ended in CR: a LF next ends no line
    bool found_ = false;
    bool stopped_ = false;
    char delimiter_ = ',';
    std::int64_t lines_ = 0;
    std::int64_t headerLine_ = 0;
    std::int64_t fed_ = 0;     // bytes split before the current piece
    std::int64_t pos_ = 0;     // bytes up to the end of the current line
    std::int64_t expected_ = 0;
};

QByteArrayView trimmed(QByteArrayView s);
// A cell without its blanks and the quotes around it.
QByteArrayView cleaned(QByteArrayView cell);

// Calls f(index, cell) for each cell until it returns false. A delimiter
// between double quotes belongs to the cell.
template <typename F>
void forEachCell(QByteArrayView text, char delimiter, F f)
{
    int index = 0;
    qsizetype from = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (c == delimiter && !quoted) {
            if (!f(index++, text.sliced(from, i - from)))
                return;
            from = i + 1;
        }
    }
    f(index, text.sliced(from));
}

// Cells a and b of a line, cleaned; false when the line is shorter.
bool twoCells(QByteArrayView text, char delimiter, int a, int b, QByteArrayView &cellA, QByteArrayView &cellB);

// A number with a decimal point, or with a decimal comma where the
// delimiter is not a comma.
bool number(QByteArrayView cell, bool decimalComma, double &value);

// Called after each chunk (1 MiB) with the bytes read so far and the
// file's size; returning false cancels the reading.
using Progress = std::function<bool(std::int64_t done, std::int64_t total)>;

// Feeds a file (or bytes in memory, in the same chunks) to `reader` until it
// stops or the bytes end; the caller finishes it. False when the progress
// callback cancelled. A file that cannot be opened or read throws its file
// error; a directory is refused as an invalid name, and anything else that
// is no ordinary file (a FIFO, a device: it could block or never end) with
// msg::NotOrdinaryFile. The file is only read.
bool feedFile(const QString &path, Reader &reader, const Progress &progress);
bool feedBytes(QByteArrayView bytes, Reader &reader, const Progress &progress);

} // namespace trovanta::files::csv
