// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/print_job.h"

#include "core/file_error.h"
#include "core/file_io.h"
#include "core/text.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <algorithm>

namespace zef {

QFont printoutFont(double pointSize, bool bold) {
    QFont font;
    // Named twice: where Courier New is not installed and the application's
    // substitution is not in force (a PDF written by a tool), its metric twin.
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

DeviceFit fitToDevice(const QPaintDevice& device) {
    DeviceFit fit;
    fit.scale = layoutScale(device.width());
    const QFontMetricsF table(printoutFont(kTablePointSize, false), &device);
    const double tallest = toDevice(kLayoutHeight, fit.scale) + table.height();
    if (tallest > device.height())
        fit.scale = static_cast<int>(fit.scale * (device.height() / tallest));
    const double lineWidth = table.horizontalAdvance(QString(kTableLineChars, u'-'));
    const double column = toDevice(kTableSpacing, fit.scale);
    fit.fontFactor = std::min(1.0, column / lineWidth);
    return fit;
}

void drawPrintPage(QPainter& painter, const PrintPage& page) {
    const DeviceFit fit = fitToDevice(*painter.device());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    int pointSize = -1;
    bool bold = false;
    double ascent = 0;
    for (const PrintItem& item : page) {
        if (item.pointSize != pointSize || item.bold != bold) {
            pointSize = item.pointSize;
            bold = item.bold;
            painter.setFont(printoutFont(pointSize * fit.fontFactor, bold));
            ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
        }
        // The layout places the top of the text cell, not the baseline.
        painter.drawText(QPointF(toDevice(item.x, fit.scale), toDevice(item.y, fit.scale) + ascent),
                         toQt(item.text));
    }
}

bool renderPrintout(QPagedPaintDevice& device, const std::vector<PrintPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        drawPrintPage(painter, pages[i]);
    }
    return painter.end();
}

PrintoutJob::PrintoutJob(QPrinter& printer)
    : printer_(printer), toFile_(!printer.outputFileName().isEmpty()) {
    if (!toFile_)
        return;
    document_.open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(&document_);
    pdf_->setTitle(printer.docName());
    pdf_->setCreator(QStringLiteral("Zefirant"));
    pdf_->setResolution(printer.resolution());
    pdf_->setPageLayout(printer.pageLayout());
}

PrintoutJob::~PrintoutJob() {
    if (painter_.isActive())
        painter_.end();
}

QPagedPaintDevice& PrintoutJob::device() {
    if (pdf_)
        return *pdf_;
    return printer_;
}

void PrintoutJob::drawPage(const PrintPage& page) {
    if (painter_.isActive()) {
        device().newPage();
    } else if (!painter_.begin(&device())) {
        throw FileError(QStringLiteral("Nie można rozpocząć wydruku na drukarce \"%1\".")
                            .arg(printer_.printerName()));
    }
    drawPrintPage(painter_, page);
}

void PrintoutJob::endPage() {
    if (!toFile_ && painter_.isActive())
        painter_.end();
}

void PrintoutJob::finish() {
    if (painter_.isActive())
        painter_.end();
    if (!toFile_ || written_)
        return;
    written_ = true;
    const QByteArray& bytes = document_.data();
    replaceFile(printer_.outputFileName(), bytes);
}

} // namespace zef
