#include "dialogs/NotebookPrint.h"

#include "storage/PagePicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QPainter>

#include <algorithm>


namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NotebookPrint)
};

} // namespace

QString PrintedPageHeading(const QString& name, int page, int pageCount)
{
    const QString notebook = name.isEmpty() ? Texts::tr("Zeszyt")
                                             : Texts::tr("Zeszyt %1").arg(name);
    return Texts::tr("%1 – strona %2 z %3").arg(notebook).arg(page).arg(pageCount);
}

bool PrintNotebook(QPagedPaintDevice& device, const NotebookContent& content, const QString& name, PageEdges edges)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The picture's pixels stay sharp squares however large they are printed, in their exact
    // colours: a PDF would otherwise keep the drawing as a JPEG.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const int width = device.width();
    const int height = device.height();
    const int headingHeight = std::max(1, height / 16);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, headingHeight / 2));
    painter.setFont(font);
    const int side = std::min(width, height - headingHeight);
    const QRect drawing((width - side) / 2, headingHeight, side, side);

    const int pageCount = static_cast<int>(content.Pages.size());
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            device.newPage();
        painter.drawText(QRect(0, 0, width, headingHeight), Qt::AlignCenter,
                         PrintedPageHeading(name, page + 1, pageCount));
        const std::uint8_t* image = content.Pages[static_cast<std::size_t>(page)].Image.data();
        painter.drawImage(drawing, edges == PageEdges::Smooth ? SmoothPagePicture(image) : PagePicture(image));
        // A white page would have no edge on white paper.
        painter.setPen(QPen(Qt::black, std::max(1, side / 512)));
        painter.drawRect(drawing);
    }
    return painter.end();
}

void SuggestPrintFile(QPrinter& printer, const QString& name)
{
    const QString title = name.isEmpty() ? Texts::tr("Zeszyt") : name;
    printer.setDocName(title);
    if (!QPrinterInfo::availablePrinters().isEmpty())
        return;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    printer.setOutputFileName(QDir(documents).filePath(title + QStringLiteral(".pdf")));
}
