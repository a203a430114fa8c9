// SPDX-License-Identifier: GPL-3.0-or-later
// The user's LoTW state: one sync date per station data file, never moved
// back, and the newest reports kept.

#include "lotw/lotw_state.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(LotwState, KeepsOneDatePerStationFileAndNeverMovesItBack) {
    test::TestFolder folder;
    folder.writeBytes(QStringLiteral("a.csv"), "");
    const LotwState state(folder.path(QStringLiteral("lotw")));
    const QString a = folder.path(QStringLiteral("a.csv"));
    const QString b = folder.path(QStringLiteral("b.csv"));
    EXPECT_EQ(state.lastQsl(a), std::nullopt);

    state.setLastQsl(a, QStringLiteral("2026-11-30 18:22:05"));
    state.setLastQsl(b, QStringLiteral("2026-01-02"));
    state.setLastQsl(a, QStringLiteral("2026-11-29"));
    // The same file by another name.
    const QString sameA = folder.dir() + QStringLiteral("lotw/../a.csv");
    EXPECT_EQ(LotwState(folder.path(QStringLiteral("lotw"))).lastQsl(sameA),
              QStringLiteral("2026-11-30 18:22:05"));
    EXPECT_EQ(state.lastQsl(b), QStringLiteral("2026-01-02"));
}

TEST(LotwState, KeepsTheNewestReportsDated) {
    test::TestFolder folder;
    const LotwState state(folder.path(QStringLiteral("lotw")));
    const QDateTime first(QDate(2026, 12, 1), QTime(6, 0, 0));
    QString newest;
    for (int i = 0; i < LotwState::kKeptReports + 2; ++i)
        newest = state.keepReport(QByteArray::number(i), first.addDays(i));

    EXPECT_EQ(newest, folder.path(QStringLiteral("lotw/raporty/lotw_2026-12-12_060000.adi")));
    const QStringList kept =
        QDir(folder.path(QStringLiteral("lotw/raporty"))).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), LotwState::kKeptReports);
    EXPECT_EQ(kept.front(), QStringLiteral("lotw_2026-12-03_060000.adi"));
    QFile last(newest);
    ASSERT_TRUE(last.open(QIODevice::ReadOnly));
    EXPECT_EQ(last.readAll(), QByteArray::number(LotwState::kKeptReports + 1));
}

} // namespace
} // namespace zef
