#include "sheet/sheet_export.h"

#include "drawing/wheel_drawing.h"
#include "platform/atomic_file.h"
#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/image_size.h"
#include "platform/output_module.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <functional>

#include <unistd.h>

namespace rimora {

namespace {

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void CannotWrite(const QString& path, const QString& reason)
{
    throw EFileWriteError(Shown(path), reason);
}

// Lets `write` make the whole file in memory (a sheet or a drawing is a few
// hundred kilobytes), then puts it in place at once: nothing is on disk
// until every byte is there.
void WriteAtomically(const QString& path, const std::function<void(QIODevice&)>& write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    buffer.close();
    if (path == QLatin1String(kStandardOutputName))
        WriteToDescriptor(STDOUT_FILENO, QStringLiteral("stdout"), buffer.data());
    else
        WriteFileAtomically(path, buffer.data());
}

// The drawing's own errors (a wheel that cannot be drawn) stop the export:
// a drawing without its spokes is no drawing to keep.
void PaintDrawing(QPainter& painter, const DrawnWheel& drawing, const GridModel& table)
{
    Canvas canvas(painter);
    WheelLayout layout;
    DrawWheel(canvas, drawing.wheel, table, drawing.frame, layout);
}

}  // namespace

DrawingFormat DrawingFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) return DrawingFormat::Svg;
    if (suffix == QLatin1String("png")) return DrawingFormat::Png;
    return DrawingFormat::Unknown;
}

void WriteSheetPdf(const QString& path, const BuildSheet& sheet, const QPageSize& pageSize)
{
    WriteAtomically(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(QCoreApplication::translate("Sheet", "Build sheet: %1").arg(sheet.title));
        writer.setCreator(QStringLiteral("Rimora"));
        QPainter painter;
        if (!painter.begin(&writer))
            CannotWrite(path, QCoreApplication::translate("Sheet", "the PDF could not be started"));
        PaintSheet(painter, sheet);
        painter.end();
    });
}

void WriteDrawing(const QString& path, const DrawnWheel& drawing, const GridModel& table, DrawingFormat format)
{
    if (format == DrawingFormat::Unknown) format = DrawingFormatOf(path);
    if (format == DrawingFormat::Unknown)
        CannotWrite(path, QCoreApplication::translate("Sheet", "a drawing is written as .svg or .png"));
    if (drawing.frame.width < 1 || drawing.frame.height < 1)
        CannotWrite(path,
                    QCoreApplication::translate("Sheet", "a drawing needs a width and a height of at least one pixel"));
    const QSize size(drawing.frame.width, drawing.frame.height);
    if (format == DrawingFormat::Png && !ImageSizeAllowed(size))
        CannotWrite(path, QCoreApplication::translate("Sheet", "an image of %1 × %2 pixels is larger than %3 MB")
                              .arg(size.width())
                              .arg(size.height())
                              .arg(kLargestImageBytes >> 20));
    // Draw once where nothing is kept, so that a wheel that cannot be drawn is
    // reported before even a temporary file is made.
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        PaintDrawing(painter, drawing, table);
    }
    WriteAtomically(path, [&](QIODevice& file) {
        if (format == DrawingFormat::Svg) {
            const OutputModule& output =
                RequireOutputModule(QCoreApplication::translate("Sheet", "Saving a drawing as SVG"));
            if (!output.writeSvg(file, QSize(drawing.frame.width, drawing.frame.height),
                                 QCoreApplication::translate("Sheet", "Wheel drawing"),
                                 [&](QPainter& painter) { PaintDrawing(painter, drawing, table); }))
                CannotWrite(path, QCoreApplication::translate("Sheet", "the SVG could not be started"));
            return;
        }
        QImage image(drawing.frame.width, drawing.frame.height, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            PaintDrawing(painter, drawing, table);
        }
        if (!image.save(&file, "PNG"))
            CannotWrite(path, QCoreApplication::translate("Sheet", "the image could not be encoded"));
    });
}

}  // namespace rimora
