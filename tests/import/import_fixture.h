// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Award tables with a few entities and all 40 zones in a fresh folder, and
// builders for ADIF text.

#include "core/award_tables.h"
#include "import/adif_import.h"
#include "import/error_list.h"
#include "support/test_folder.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zef::test {

// Entity rows of the fixture.
constexpr int kUsaRow = 1;     // 291
constexpr int kAlbaniaRow = 2; // 7, written "  7"
constexpr int kAbuAilRow = 3;  // 2, deleted
constexpr int kCanaryRow = 4;  // 29
constexpr int kPolandRow = 5;  // 269

// "<NAME:n>value" with n the value's length.
std::string adifField(const std::string& name, const std::string& value);

// One record as fields, each left out when empty (nullopt).
struct Qso {
    std::optional<std::string> call = "SP1ABC";
    std::optional<std::string> date = "20210130";
    std::optional<std::string> band = "20M";
    std::optional<std::string> dxcc = "291";
    std::optional<std::string> cqz = "5";
    std::optional<std::string> qsl = "Y";
    std::optional<std::string> lotw;

    std::string text() const; // the fields on one line, without the record end
};

// A file: a header, then each record on its own line closed by "<eor>".
std::string adifFile(const std::vector<Qso>& records, const std::string& lineEnd = "\n");

struct ImportFixture {
    ImportFixture();

    QString adifPath() const { return folder.path("log.adi"); }
    QString errorListPath() const { return folder.path(kErrorListFileName); }
    ImportResult import(const std::string& adif, const ImportOptions& options = {});
    // The error list after its header, as raw bytes.
    std::string entries() const;

    Row& entity(int row) { return tables->entities[static_cast<std::size_t>(row)]; }
    Row& zone(int number) { return tables->zones[static_cast<std::size_t>(number)]; }

    TestFolder folder;
    std::unique_ptr<AwardTables> tables = std::make_unique<AwardTables>();
};

// The four fields of a band slot.
std::vector<std::string> slot(const Row& row, int band);

constexpr int k80 = 0;
constexpr int k20 = 2;
constexpr int k10 = 4;

} // namespace zef::test
