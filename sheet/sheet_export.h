#pragma once
// The build sheet as a PDF and the wheel drawing as an SVG or PNG file. Each
// file is written to a temporary file beside the target that replaces it
// only once it is complete, so a write that fails leaves no partial file and
// an older file of that name as it was. A pipe or a device is written as a
// stream, and "-" is the standard output.
#include "platform/grid_model.h"
#include "sheet/build_sheet.h"

#include <QPageSize>
#include <QString>

namespace rimora {

enum class DrawingFormat { Svg, Png, Unknown };

// The output name that stands for the standard output.
inline constexpr char kStandardOutputName[] = "-";

// By the file's extension, in any letter case.
DrawingFormat DrawingFormatOf(const QString& path);

// Throws EInOutError naming the file when it cannot be written.
void WriteSheetPdf(const QString& path, const BuildSheet& sheet, const QPageSize& pageSize);

// The drawing at frame.width x frame.height: in an SVG those are its size
// in pixels (the spokes stay lines), in a PNG its pixels. The format is the
// file's extension unless one is given; an extension that is neither ".svg"
// nor ".png", or a PNG larger than an image may be, throws EInOutError
// before anything is written.
void WriteDrawing(const QString& path, const DrawnWheel& drawing, const GridModel& table,
                  DrawingFormat format = DrawingFormat::Unknown);

}  // namespace rimora
