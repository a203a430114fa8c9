#include "import/error_list.h"

#include "core/text.h"
#include "core/text_file.h"

namespace zef {

QString errorListShownAs(const ProgramFiles& files) {
    return files.isInstalled() ? files.userFile(kErrorListFileName) : kErrorListShownName;
}

QString errorListHeader() {
    return QStringLiteral(
        "Błędy związane z niewłaściwym numerem podmiotu DXCC/strefą CQ lub ich brakiem:");
}

void createErrorList(const QString& path) {
    writeLines(path, {fromQt(errorListHeader())});
}

void appendPlacementEntry(const QString& path, const std::string& recordText) {
    appendLine(path, upperAscii(recordText));
}

void appendBandEntry(const QString& path, const std::string& recordText) {
    // Both lines in one write, so that the entry is never left half on disk.
    appendLine(path, "Pasmo: " + recordText + "\r\n");
}

} // namespace zef
