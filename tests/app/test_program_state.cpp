#include <gtest/gtest.h>

#include "catalogue_build.h"
#include "db_state.h"
#include "program_state.h"

TEST(AtExitCleanup, RunsOnceAndReleasesTheConnection) {
    BuildCatalogue();
    ASSERT_NE(dbConnection.handle, nullptr);
    dbLastErrorMessage = "x";
    EXPECT_EQ(AtExitCleanupRuns(), 0);
    AtExitCleanup();
    AtExitCleanup();
    EXPECT_EQ(AtExitCleanupRuns(), 1);
    EXPECT_EQ(dbConnection.handle, nullptr);
    EXPECT_TRUE(dbLastErrorMessage.empty());
    // Queries after the end fail quietly instead of crashing.
    EXPECT_EQ(QueryCatalogue("select 1").rowCount, 0);
}
