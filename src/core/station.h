// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station document: one station's award tables, the station data file
// they belong to, the callsign and the unsaved-changes flag. It is the only
// way to change them, and it announces every change, so that the windows
// showing the station follow it by themselves and never by calling each other.

#include "core/award_tables.h"
#include "core/file_guard.h"
#include "core/slot_edit.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

namespace zef {

namespace test {
class TestProgram;
}

class Station : public QObject {
    Q_OBJECT
public:
    Station();
    ~Station() override;

    const AwardTables& tables() const { return *tables_; }
    const QString& path() const { return path_; }
    const std::string& callsign() const { return callsign_; }
    bool unsaved() const { return unsaved_; }
    // What the path held when it was last read or written.
    const FileFingerprint& fileSeen() const { return fileSeen_; }

    // Changes any part of the tables: the windows show them anew (the grid
    // fill and the summary refresh).
    void changeTables(const std::function<void(AwardTables&)>& change);
    // Stores one band slot as the data entry does and announces what
    // changed: the grid keeps its view and order and updates its own row and
    // counters. False, announcing nothing, for a slot outside the tables.
    bool changeSlot(const SlotEdit& change);

    void setPath(const QString& path);
    void setCallsign(const std::string& callsign);
    // `byDataEntry`: the data entry's own mark of the change.
    void setUnsaved(bool unsaved, bool byDataEntry = false);
    void setFileSeen(const FileFingerprint& fingerprint) { fileSeen_ = fingerprint; }

signals:
    void tablesChanged();
    void slotChanged(const zef::SlotEdit& change);
    void unsavedChanged(bool unsaved, bool byDataEntry);
    void pathChanged();

private:
    friend class test::TestProgram; // arranges tables without telling anyone

    std::unique_ptr<AwardTables> tables_;
    QString path_;
    std::string callsign_;
    bool unsaved_ = false;
    FileFingerprint fileSeen_;
};

} // namespace zef
