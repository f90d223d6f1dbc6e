#include "app/program_life.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/generator/library_globals.h"
#include "core/text/fatal_error.h"

namespace {

std::vector<int> gRan;
void First() { gRan.push_back(1); }
void Second() { gRan.push_back(2); }

// 3 when end processing ran each routine once, in order, and yielded the quit code.
int EndProcessingOutcome() {
    RegisterEndRoutine(First);
    RegisterEndRoutine(Second);
    RegisterEndRoutine(First);  // already there: the list is unchanged
    int code = RunEndProcessing(0);
    bool once = gRan == std::vector<int>{1, 2};
    int again = RunEndProcessing(7);  // the list was emptied: nothing runs twice
    return once && gRan.size() == 2 && EndingMarkSet() && code == 0 && again == 7 ? 3 : 4;
}

// End processing sets the ending mark for the rest of the process, so it runs in a child.
TEST(EndProcessingDeathTest, RunsEachRoutineOnceInOrderAndYieldsTheQuitCode) {
    EXPECT_EXIT(std::exit(EndProcessingOutcome()), testing::ExitedWithCode(3), "");
}

TEST(Globals, InitAndRelease) {
    InitGlobals();
    EXPECT_EQ(ListSize(LibraryNames), 0);
    AppendMember(LibraryNames, "默认");
    WordPool = "a、b、";
    ReleaseGlobals();
    EXPECT_EQ(ListSize(LibraryNames), 0);
    EXPECT_EQ(WordPool, "");
}

}  // namespace
