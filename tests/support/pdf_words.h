#pragma once
// The words of a printed PDF page and where they stand, read back with
// poppler's pdftotext.

#include <QString>

#include <vector>

namespace trovanta::test {

struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top left
};

struct PdfPage {
    double width = 0, height = 0; // points
    std::vector<PdfWord> words;
};

bool havePdfToText();

// The first page; a failing pdftotext is a test failure.
PdfPage pdfPage(const QString &pdf);

// Device units of a 300 dpi page in points.
inline double pt(int units) { return units * 72.0 / 300.0; }

// Where the tests print to: the folder TROVANTA_KEEP_PRINTS names, which
// keeps the files for a look, or else `scratch`.
QString printsFolder(const QString &scratch);

} // namespace trovanta::test
