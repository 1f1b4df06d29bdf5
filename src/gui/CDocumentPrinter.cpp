#include "gui/CDocumentPrinter.h"

#include "core/document/CFDocument.h"
#include "core/view/TextLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace velmora {

namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kFooterPointSize = 8.0;

} // namespace

CDocumentPrinter::CDocumentPrinter(const CFDocument& document, const QFont& signFont, const QFont& textFont,
                                   const QString& name)
    : document_(document)
    , signFont_(PrintFont(signFont))
    , textFont_(PrintFont(textFont))
    , name_(name)
{
}

QFont CDocumentPrinter::PrintFont(const QFont& screenFont)
{
    QFont font = screenFont;
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / kScreenDpi);
    return font;
}

int CDocumentPrinter::print(QPrinter& printer) const
{
    // The text, laid out for the printer's resolution.
    QTextDocument text;
    text.documentLayout()->setPaintDevice(&printer);
    text.setDocumentMargin(0);
    QTextOption option = text.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text.setDefaultTextOption(option);
    text.setDefaultFont(textFont_);
    QTextCharFormat signFormat;
    signFormat.setFont(signFont_);
    QTextCharFormat textFormat;
    textFormat.setFont(textFont_);
    QTextCursor cursor(&text);
    for (std::uint32_t line = 0; line < document_.LineCount(); ++line) {
        if (line > 0)
            cursor.insertBlock();
        const auto cells = document_.Line(line).Cells();
        for (std::size_t start = 0; start < cells.size();) {
            const bool sign = InSignFont(cells[start]);
            std::size_t end = start;
            while (end < cells.size() && InSignFont(cells[end]) == sign)
                ++end;
            const QString run = QString::fromUcs4(reinterpret_cast<const char32_t*>(cells.data() + start),
                                                  qsizetype(end - start));
            cursor.insertText(run, sign ? signFormat : textFormat);
            start = end;
        }
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return -1;
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont footerFont = textFont_;
    footerFont.setPointSizeF(kFooterPointSize);
    const QFontMetricsF footerMetrics(footerFont, &printer);
    const double footerHeight = footerMetrics.height() * 2;
    const QSizeF body(area.width(), std::max(1.0, area.height() - footerHeight));
    text.setPageSize(body);
    const int pages = text.pageCount();

    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : pages);
    }
    int printed = 0;
    for (int page = first; page <= last; ++page) {
        if (printed > 0)
            printer.newPage();
        painter.save();
        painter.setClipRect(QRectF(QPointF(0, 0), body));
        painter.translate(0, -(page - 1) * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, (page - 1) * body.height(), body.width(), body.height());
        text.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        const QRectF footer(0, area.height() - footerMetrics.height(), area.width(), footerMetrics.height());
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, name_);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 / %2").arg(page).arg(pages));
        ++printed;
    }
    painter.end();
    return printed;
}

} // namespace velmora
