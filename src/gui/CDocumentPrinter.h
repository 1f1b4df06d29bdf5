#pragma once

#include <QFont>
#include <QString>

class QPrinter;

namespace velmora {

class CFDocument;

// Prints a document as the editor shows it: cuneiform signs (code points
// from U+10000) in the sign font, everything else in the text font, each
// document line as a paragraph that wraps at the page's edge (between words,
// or anywhere in a run of signs without spaces), and a footer on every page
// with the document's name on the left and "page / pages" on the right.
// Fonts sized in screen pixels are printed at the size they have on a
// 96 dpi screen, so that a page looks like the editor at 100 %.
class CDocumentPrinter {
public:
    CDocumentPrinter(const CFDocument& document, const QFont& signFont, const QFont& textFont,
                     const QString& name);

    // Prints onto printer (a printer, a PDF file, a print preview) the pages
    // its print range asks for, all by default. The number of pages printed;
    // -1 when the printer could not be written to (a PDF file that cannot be
    // created).
    int print(QPrinter& printer) const;

    // The fonts as printed.
    static QFont PrintFont(const QFont& screenFont);

private:
    const CFDocument& document_;
    QFont signFont_;
    QFont textFont_;
    QString name_;
};

} // namespace velmora
