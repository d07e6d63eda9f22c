// The printing and SVG module: everything of Qt Print Support and Qt Svg the
// program uses, reached only through the table it hands out.
#include "platform/output_module.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

void PrintPreview(const QString& title, const QString& documentName, const QPageSize& pageSize,
                  const std::function<void(QPaintDevice&)>& paintPage)
{
    QPrinter printer(QPrinter::HighResolution);
    // The print dialog's "print to file" suggests the document's name with
    // its last extension turned into ".pdf".
    printer.setDocName(documentName);
    printer.setPageSize(pageSize);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paintPage](QPrinter* target) { paintPage(*target); });
    dialog.exec();
}

bool WriteSvg(QIODevice& out, QSize size, const QString& title, const std::function<void(QPainter&)>& paint)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paint(painter);
    return painter.end();
}

}  // namespace

extern "C" Q_DECL_EXPORT const rimora::OutputModule* rimora_output_module()
{
    static const rimora::OutputModule module{rimora::OutputModule::kVersion, &PrintPreview, &WriteSvg};
    return &module;
}
