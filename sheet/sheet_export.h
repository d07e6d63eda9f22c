#pragma once
// The build sheet as a PDF and the wheel drawing as an SVG or PNG file. Each
// file is written to a temporary file beside the target that replaces it
// only once it is complete, so a write that fails leaves no partial file and
// an older file of that name as it was.
#include "platform/grid_model.h"
#include "sheet/build_sheet.h"

#include <QPageSize>
#include <QString>

namespace rimora {

enum class DrawingFormat { Svg, Png, Unknown };

// By the file's extension, in any letter case.
DrawingFormat DrawingFormatOf(const QString& path);

// Throws EInOutError naming the file when it cannot be written.
void WriteSheetPdf(const QString& path, const BuildSheet& sheet, const QPageSize& pageSize);

// The drawing at frame.width x frame.height: in an SVG those are its size
// in pixels (the spokes stay lines), in a PNG its pixels. An extension that
// is neither ".svg" nor ".png" throws EInOutError before anything is written.
void WriteDrawing(const QString& path, const DrawnWheel& drawing, const GridModel& table);

}  // namespace rimora
