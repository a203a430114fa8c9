// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_fixture.h"

#include "import/error_list.h"

namespace zef::test {

std::string adifField(const std::string& name, const std::string& value) {
    return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

std::string Qso::text() const {
    std::string text;
    const auto add = [&text](const char* name, const std::optional<std::string>& value) {
        if (value)
            text += adifField(name, *value) + " ";
    };
    add("CALL", call);
    add("QSO_DATE", date);
    add("BAND", band);
    add("DXCC", dxcc);
    add("CQZ", cqz);
    add("QSL_RCVD", qsl);
    add("LOTW_QSL_RCVD", lotw);
    return text;
}

std::string adifFile(const std::vector<Qso>& records, const std::string& lineEnd) {
    std::string file = "Test log" + lineEnd + "<PROGRAMID:4>Test" + lineEnd + "<EOH>" + lineEnd;
    for (const auto& record : records)
        file += record.text() + "<EOR>" + lineEnd;
    return file;
}

ImportFixture::ImportFixture() {
    tables->clear();
    entity(kUsaRow)[0] = referenceLine(291, false, "K", "United States of America");
    entity(kAlbaniaRow)[0] = referenceLine(7, false, "ZA", "Albania");
    entity(kAbuAilRow)[0] = referenceLine(2, true, "1B", "Abu Ail Is.");
    entity(kCanaryRow)[0] = referenceLine(29, false, "EA8", "Canary Is.");
    entity(kPolandRow)[0] = referenceLine(269, false, "SP", "Poland");
    for (int z = 1; z <= kZoneRows; ++z)
        zone(z)[0] = zoneFileLine(z, "P" + std::to_string(z));
    createErrorList(errorListPath());
}

ImportResult ImportFixture::import(const std::string& adif, const ImportOptions& options) {
    folder.writeBytes("log.adi", adif);
    return importAdif(*tables, adifPath(), errorListPath(), options);
}

std::string ImportFixture::entries() const {
    const std::string all = folder.readBytes(kErrorListFileName);
    const std::size_t headerEnd = all.find("\r\n");
    return headerEnd == std::string::npos ? all : all.substr(headerEnd + 2);
}

std::vector<std::string> slot(const Row& row, int band) {
    return {row[callSlot(band)], row[qsoDateSlot(band)], row[confirmationSlot(band)],
            row[verificationSlot(band)]};
}

} // namespace zef::test
