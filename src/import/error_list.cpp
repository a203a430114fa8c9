// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/error_list.h"

#include "core/text.h"
#include "core/text_file.h"

#include <QCoreApplication>
#include <QFile>

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

PendingErrorList::PendingErrorList(const QString& path)
    : target_(path), pending_(path + QStringLiteral(".nowy-") +
                              QString::number(QCoreApplication::applicationPid())) {
    createErrorList(pending_);
}

PendingErrorList::~PendingErrorList() {
    if (!committed_)
        QFile::remove(pending_);
}

void PendingErrorList::commit() {
    moveOver(pending_, target_);
    committed_ = true;
}

void ErrorList::addPlacement(std::string_view recordText) {
    file_.write(upperAscii(recordText));
    file_.write("\r\n");
}

void ErrorList::addBand(std::string_view recordText) {
    file_.write("Pasmo: ");
    file_.write(recordText);
    file_.write("\r\n\r\n");
}

} // namespace zef
