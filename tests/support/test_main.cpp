// One main for every test program: each run works in a fresh temporary tree, and every folder the
// platform would take from the user's environment is pointed into it, so no test touches the real
// home, network or mail.
#include "test_env.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    misc_test::PrepareEnvironment();
    misc_test::StartUp();
    return RUN_ALL_TESTS();
}
