#include "mainwindow/main_window.h"

#include "mainwindow/status_panels.h"
#include "support/test_program.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace zef {
namespace {

using test::TestProgram;

TEST(MainWindow, NewBuildsTheTablesFromTheReferenceFiles) {
    TestProgram app;
    app.startWithNewStation();
    EXPECT_TRUE(stationDataLoaded(app.state().tables));
    EXPECT_EQ(app.state().callsign, "SP9XYZ");
    EXPECT_EQ(app.main().grid().model().rowCount(), 7);
}

} // namespace
} // namespace zef
