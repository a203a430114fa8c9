// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts the pages of the summary printout on a printer or into a PDF
// document: every item drawn in Courier New at its place in layout units of
// the device's printable area.

#include "summary/printout_layout.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;

namespace zef {

// How the layout meets a device: device pixels per 100 layout units, and the
// factor applied to the point sizes (1 unless the page is too small for the
// tables at their designed sizes).
struct DeviceFit {
    int scale = 0;
    double fontFactor = 1.0;
};

// The fit for a device's printable area. On a page that holds the layout
// (A4 or Letter with the usual margins) the scale is layoutScale(width) and
// the fonts keep their sizes; a narrower or shorter page shrinks both so
// that nothing overlaps or falls off the sheet.
DeviceFit fitToDevice(const QPaintDevice& device);

// The printout's font in the given point size.
QFont printoutFont(double pointSize, bool bold);

// Draws one page with a painter active on a paged device.
void drawPrintPage(QPainter& painter, const PrintPage& page);

// All pages into one document on `device` (a QPrinter or a QPdfWriter), one
// sheet each; false when the device could not be opened.
bool renderPrintout(QPagedPaintDevice& device, const std::vector<PrintPage>& pages);

// The pages of one printout sent to the printer the print dialog set up:
// on a printer every page is its own print job; a printer that writes a file
// gets all pages in that one document, since a second job would overwrite it.
// That document is made in memory and written by replaceFile at finish(), so
// a full disk is reported and leaves an older file whole.
class PrintoutJob {
public:
    explicit PrintoutJob(QPrinter& printer);
    ~PrintoutJob();
    PrintoutJob(const PrintoutJob&) = delete;
    PrintoutJob& operator=(const PrintoutJob&) = delete;

    // Starts the page's print job (or the file's next sheet) and draws it;
    // throws FileError when the printer or the file cannot be opened.
    void drawPage(const PrintPage& page);
    // Ends the page's print job; the file's document stays open.
    void endPage();
    // Ends everything: after it the file is complete. Throws FileError when
    // the file cannot be written. A job destroyed unfinished writes nothing.
    void finish();

    bool toFile() const { return toFile_; }

private:
    QPagedPaintDevice& device();

    QPrinter& printer_;
    bool toFile_ = false;
    QBuffer document_;
    std::unique_ptr<QPdfWriter> pdf_;
    bool written_ = false;
    QPainter painter_; // last: it ends before the devices it paints on go
};

} // namespace zef
