// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_export.h"

#include "core/file_error.h"

#include <QBuffer>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace zef {

namespace {

// A sheet to print, landscape, with the chart drawn in its proportion.
QPageLayout pdfPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QSizeF pictureSize(ChartFileKind kind) {
    const QSizeF size(kChartFileSize);
    if (kind != ChartFileKind::Pdf)
        return size;
    const QRectF paper = pdfPage().paintRect(QPageLayout::Point);
    return {size.width(), size.width() * paper.height() / paper.width()};
}

QByteArray drawn(QGraphicsScene& scene, const QRectF& area, ChartFileKind kind,
                 const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const auto failed = [&] {
        return FileError::writing(path, QStringLiteral("nie można narysować wykresu"));
    };
    switch (kind) {
    case ChartFileKind::Png: {
        QImage image(kChartFileSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
        painter.end();
        if (!image.save(&buffer, "PNG"))
            throw failed();
        break;
    }
    case ChartFileKind::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(96); // a pixel of the picture is a pixel of a browser
        svg.setSize(kChartFileSize);
        svg.setViewBox(area);
        svg.setTitle(QStringLiteral("Zefirant - wykres postępu"));
        QPainter painter;
        if (!painter.begin(&svg))
            throw failed();
        scene.render(&painter, area, area);
        painter.end();
        break;
    }
    case ChartFileKind::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Zefirant - wykres postępu"));
        pdf.setCreator(QStringLiteral("Zefirant"));
        pdf.setPageLayout(pdfPage());
        QPainter painter;
        if (!painter.begin(&pdf))
            throw failed();
        // The painter's origin is the corner of the margins.
        const QSizeF paper = pdf.pageLayout().paintRectPixels(pdf.resolution()).size().toSizeF();
        scene.render(&painter, QRectF(QPointF(0, 0), paper), area);
        if (!painter.end())
            throw failed();
        break;
    }
    case ChartFileKind::Csv:
        break;
    }
    return buffer.data();
}

} // namespace

QByteArray chartFileBytes(const ChartPicture& picture, ChartFileKind kind, const QString& path) {
    if (kind == ChartFileKind::Csv)
        return QByteArray::fromStdString(progressCsv(picture.series));
    QGraphicsScene scene;
    auto* chart = new ProgressChart; // owned by the scene
    scene.addItem(chart);
    const QRectF area(QPointF(0, 0), pictureSize(kind));
    chart->setGeometry(area);
    chart->showSeries(picture.series, picture.mode, picture.end);
    for (int l = 0; l < kChartLines; ++l) {
        chart->setLineVisible(l, picture.visible[static_cast<std::size_t>(l)]);
        // Qt Charts draws a solid line segment by segment, thousands of
        // elements in a vector file; a pattern of one endless dash makes
        // it draw each line as one path.
        if (kind != ChartFileKind::Png) {
            QPen pen = chart->line(l)->pen();
            pen.setDashPattern({1e6, 1});
            chart->line(l)->setPen(pen);
        }
    }
    return drawn(scene, area, kind, path);
}

} // namespace zef
