// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_printout.h"

#include "core/file_attributes.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/reference_files.h"
#include "core/text.h"
#include "summary/print_job.h"
#include "summary/printout_layout.h"

#include <QBuffer>
#include <QPdfWriter>

namespace zef {

namespace {

// The printer's usual sheet: A4, portrait, a margin a printer could print in.
constexpr double kMarginMillimetres = 10;

QByteArray renderPdf(const std::vector<PrintPage>& pages, const QString& pdfPath) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("Zefirant - zestawienie podmiotów DXCC"));
    writer.setCreator(QStringLiteral("Zefirant"));
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    if (!renderPrintout(writer, pages))
        throw FileError::writing(pdfPath, QStringLiteral("nie można utworzyć dokumentu PDF"));
    return buffer.data();
}

int printInto(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
              std::ostream& err) {
    if (sameFile(command.pdfPath, command.stationPath)) {
        put(err, QStringLiteral("Plik PDF nie może zastąpić pliku danych stacji %1.\n")
                     .arg(command.stationPath));
        return kExitWrongUsage;
    }
    const LoadedStation station = readStationData(command.stationPath, nullptr, err);
    const QString entityFile = env.files.deliveredFile(kEntityFileName);
    if (!fileExists(entityFile)) {
        put(err, missingReferenceFileMessage(entityFile) + u'\n');
        return kExitFileError;
    }
    const int entityFileLines = static_cast<int>(readEntityFileLines(entityFile).size());
    const AwardTables& tables = *station.tables;
    const PrintoutHeader header{upperAscii(station.headerCallsign), fromQt(env.today),
                                awardPoints(tables)};
    const QByteArray pdf = renderPdf(
        {printoutPageOne(tables, header), printoutPageTwo(tables, header, entityFileLines)},
        command.pdfPath);
    // A failed write leaves an older PDF whole.
    replaceFile(command.pdfPath, pdf);
    put(out, QStringLiteral("Wydruk zestawienia zapisano w pliku %1.\n").arg(command.pdfPath));
    return kExitSuccess;
}

} // namespace

int runPrintPdf(const CommandLine& command, const BatchEnvironment& env, std::ostream& out,
                std::ostream& err) {
    return withFileErrors(err, [&] { return printInto(command, env, out, err); });
}

} // namespace zef
