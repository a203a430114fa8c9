// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_station.h"

#include "core/text.h"

#include <algorithm>
#include <string>

namespace zef::bench {

namespace {

// A fraction in [0, 1) that looks random but is the same in every run.
double spread(int row, int band, unsigned salt) {
    const unsigned h = static_cast<unsigned>(row) * 2654435761u +
                       static_cast<unsigned>(band) * 40503u + salt * 97u;
    return static_cast<double>((h >> 8) % 10007u) / 10007.0;
}

std::string isoDate(int year, int month, int day) {
    const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return std::to_string(year) + "-" + twoDigits(month) + "-" + twoDigits(day);
}

// Many new ones in the first years, fewer later, as a station's log grows.
std::string qsoDate(int row, int band) {
    const double u = spread(row, band, 1);
    return isoDate(1998 + static_cast<int>(28 * u * u), 1 + row % 12, 1 + (row * 7 + band) % 28);
}

// The trustee verifies in rounds, twice a year, a year or more after the QSO.
std::string verificationDate(int row, int band) {
    const int year =
        std::min(1999 + static_cast<int>(28 * spread(row, band, 1) * spread(row, band, 1)) +
                     static_cast<int>(3 * spread(row, band, 2)),
                 2026);
    return isoDate(year, (row + band) % 2 != 0 ? 3 : 10, (row + band) % 2 != 0 ? 15 : 1);
}

} // namespace

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
                // A few old entries carry no date.
                row[qsoDateSlot(b)] = r % 97 == 0 ? "" : qsoDate(r, b);
                row[confirmationSlot(b)] = k % 2 != 0 ? "QSL" : "LoTW";
            }
            if (k < 2 || k == 11)
                row[verificationSlot(b)] = verificationDate(r, b);
        }
    }
    for (int z = 1; z <= kZoneRows; ++z) {
        Row& row = t->zones[z];
        row[0] = "     |" + padRight(std::to_string(z), 5) + "|W1 VE";
        for (int b = 0; b < kBands; ++b) {
            if ((z + b) % 3 == 0)
                continue;
            row[callSlot(b)] = "W1AW";
            row[qsoDateSlot(b)] = qsoDate(kEntityRows + z, b);
            if ((z + b) % 3 == 1)
                row[verificationSlot(b)] = verificationDate(kEntityRows + z, b);
        }
    }
    return t;
}

} // namespace zef::bench
