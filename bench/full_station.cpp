#include "full_station.h"

#include "core/text.h"

#include <string>

namespace zef::bench {

std::unique_ptr<AwardTables> fullStation() {
    auto t = std::make_unique<AwardTables>();
    const char* words[] = {"Island", "Republic", "of", "Saint", "North", "Kingdom", "Is.", "Ceuta"};
    for (int r = 1; r <= kEntityRows; ++r) {
        const std::string number = std::to_string(r);
        // Prefix order by construction: a letter, then the row number.
        const std::string prefix = std::string(1, static_cast<char>('A' + (r - 1) / 20)) +
                                   std::string(3 - number.size(), '0') + number;
        const std::string name = std::string(1, static_cast<char>('a' + (r * 7) % 26)) +
                                 words[r % 8] + " " + words[(r / 8) % 8] + " " + number;
        Row& row = t->entities[r];
        row[0] = alignRight(number, 3) + (r % 37 == 0 ? "|D|" : "| |") + padRight(prefix, 5) + "|" +
                 name.substr(0, 24);
        for (int b = 0; b < kBands; ++b) {
            const int k = (r * 7 + b * 3) % 12;
            if (k < 6) {
                row[callSlot(b)] = "SP" + std::to_string(k) + "ABC";
                row[qsoDateSlot(b)] = "2023-05-01";
                row[confirmationSlot(b)] = k % 2 != 0 ? "QSL" : "LoTW";
            }
            if (k < 2 || k == 11)
                row[verificationSlot(b)] = "2024-01-01";
        }
    }
    for (int z = 1; z <= kZoneRows; ++z) {
        Row& row = t->zones[z];
        row[0] = "     |" + padRight(std::to_string(z), 5) + "|W1 VE";
        for (int b = 0; b < kBands; ++b) {
            if ((z + b) % 3 == 0)
                continue;
            row[callSlot(b)] = "W1AW";
            if ((z + b) % 3 == 1)
                row[verificationSlot(b)] = "2024-01-01";
        }
    }
    return t;
}

} // namespace zef::bench
