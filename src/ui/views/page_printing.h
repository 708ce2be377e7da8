// Printing of the views' pages: the printable area of a printer as a page in 0.1 mm with y up,
// one page laid out by the core with the printer's own text metrics and painted onto it, and
// printing to a PDF file, which needs no printer at all.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPrinter;

namespace flowmar {

class DuctView;

// The printable area of the printer's page in 0.1 mm, y up, its top-left corner at (0, 0): the
// space the painter's origin and the text reports share.
PageRect printablePageRect(const QPrinter& printer);

// Why a print on this printer could not start, said before anything is drawn: a PDF file whose
// folder is missing or may not be written, no printer set up at all, or a printer of that name
// that does not exist. Nothing when it can start. A PDF file that did not exist before is not
// left behind by the check.
std::optional<std::string> whyPrintCannotStart(const QPrinter& printer);

// Lays out a page in a printable area with the metrics of the device it is painted on.
using PageLayout = std::function<Drawing(const PageRect& page, const TextMetrics& metrics)>;

// Prints exactly one page in the given orientation: the layout's drawing, in 0.1 mm, at its true
// size from the top-left corner of the printable area. False when the printer cannot start (an
// output file that cannot be written, for example).
bool printOnePage(QPrinter& printer, QPageLayout::Orientation orientation,
                  const PageLayout& layout);

// Lays out every page of a report in a printable area with the metrics of the device.
using PagesLayout =
    std::function<std::vector<Drawing>(const PageRect& page, const TextMetrics& metrics)>;

// Prints the pages of the printer's page range (every page when it has none) in the given
// orientation, each as printOnePage prints its one. False when the printer cannot start.
bool printPages(QPrinter& printer, QPageLayout::Orientation orientation, const PagesLayout& layout);

// Prints the view to a PDF file at path, in the orientation it asks for, on the default paper
// size of the user's locale. False when the view does not print or the file cannot be written.
bool printToPdf(DuctView& view, const QString& path);

// Prints one drawing to a PDF file at path: a drawing whose unit has a physical size at that size
// from the top-left corner of the printable area, any other stretched over the printable area.
// False when the file cannot be written.
bool printToPdf(const Drawing& drawing, const QString& path,
                QPageLayout::Orientation orientation = QPageLayout::Portrait);

} // namespace flowmar
