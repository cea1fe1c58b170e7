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

bool havePdfToText();

// The words of the first page; a failing pdftotext is a test failure.
std::vector<PdfWord> pdfWords(const QString &pdf);

} // namespace trovanta::test
