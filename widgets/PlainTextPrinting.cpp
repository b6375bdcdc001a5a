#include "widgets/PlainTextPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

bool PrintPlainText(QPrinter& printer, const QString& text)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    QTextDocument document;
    document.setDocumentMargin(0);
    // Printed code is copied out of the job as text: no ligatures in it.
    QFont font = document.defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    // Laid out for the printer, so the font gets its size in printer pixels.
    document.documentLayout()->setPaintDevice(&printer);
    document.setPlainText(text);
    const QSizeF page(printer.width(), printer.height());
    document.setPageSize(page);

    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        const QRectF view(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout draws every line that touches the clip: without the
        // inset, the last line of the page before would go out again,
        // invisible, but in the job's text.
        context.clip = view.adjusted(0, 1, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}
