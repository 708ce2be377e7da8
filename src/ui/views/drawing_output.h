// A drawing saved as a picture or put on a page: the one place where a window writes a chart as
// PNG, SVG or PDF (the Graph View's Save Graph As, the Study dialog's Save As) and sets up a
// printer that writes a PDF file. An SVG is written through the atomic writer, so a save that
// fails leaves the previous file as it was.
#pragma once

#include "core/views/drawing.h"

#include <QPageLayout>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class QPaintDevice;
class QPrinter;

namespace flowmar {

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name's extension asks for, in any case (".png", ".SVG", ".pdf"); none for
// any other name.
std::optional<PictureFormat> pictureFormatOf(const QString& path);

// Where a drawing stands on a page: stretched over the whole printable area, or over it less one
// inch on every side (the Graph View's printed chart).
enum class PageArea { Printable, InsideOneInch };

// Paints the drawing stretched (each axis on its own) onto the area of a page whose printable
// area, in the device's pixels, is printable.
void paintOnPage(QPaintDevice& device, const QRect& printable, const Drawing& drawing,
                 PageArea area);

// Paints the drawing onto the page of a started or unstarted printer, in the page's orientation as
// it stands, on the area of its printable area.
void printDrawing(QPrinter& printer, const Drawing& drawing, PageArea area);

struct PictureLayout {
    QSize pixels{1200, 900}; // a PNG's and an SVG's size
    PageArea pdfArea = PageArea::Printable;
};

// Writes the drawing to path in the format: a PNG of layout.pixels, antialiased on white; an SVG
// of that size; a PDF of one landscape page with the drawing on layout.pdfArea. False when the
// file could not be written; a failed SVG leaves the previous file whole.
bool saveDrawing(const Drawing& drawing, const QString& path, PictureFormat format,
                 const PictureLayout& layout);

// A printer that writes the PDF file at path instead of going to a print queue, in the
// orientation given (the printer's own when none).
void setUpPdfPrinter(QPrinter& printer, const QString& path,
                     std::optional<QPageLayout::Orientation> orientation = std::nullopt);

} // namespace flowmar
