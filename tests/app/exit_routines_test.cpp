#include <gtest/gtest.h>

#include <string>

#include "app/exit_routines.h"

namespace {

TEST(ExitRoutines, RunOnceInOrderAndAreAddedOnlyOnce)
{
    app::ExitRoutines routines;
    std::string ran;
    routines.add("first", [&] { ran += "1"; });
    routines.add("second", [&] { ran += "2"; });
    routines.add("first", [&] { ran += "x"; });
    EXPECT_EQ(routines.size(), 2u);
    routines.runAll();
    routines.runAll();
    EXPECT_EQ(ran, "12");
}

TEST(ExitRoutines, ClearedRoutinesNeverRun)
{
    app::ExitRoutines routines;
    bool ran = false;
    routines.add("release", [&] { ran = true; });
    routines.clear();
    routines.runAll();
    EXPECT_FALSE(ran);
}

} // namespace
