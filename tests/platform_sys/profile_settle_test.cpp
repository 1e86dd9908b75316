// The profile cache's settling rule, at its exact boundary: a file is trusted on its signature
// alone only when more than the file system granularity (2.1 s) separates its time stamp from
// the read. Kernels with fine stamps never show the difference through the cache, so the rule is
// tried directly.
#include "../../platform/sys/profile/profile_store.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileSettling, MoreThanTheGranularitySettles)
{
    using miscprofile::IsSettled;
    using miscprofile::kGranularityNs;
    const int64_t stamp = 1700000000LL * 1000000000LL + 123456789;  // a real-time stamp
    EXPECT_EQ(kGranularityNs, 2100000000);
    EXPECT_FALSE(IsSettled(stamp, stamp));
    EXPECT_FALSE(IsSettled(stamp, stamp + kGranularityNs - 1));
    EXPECT_FALSE(IsSettled(stamp, stamp + kGranularityNs));  // exactly the granularity: not yet
    EXPECT_TRUE(IsSettled(stamp, stamp + kGranularityNs + 1));
    EXPECT_TRUE(IsSettled(stamp, stamp + 3600LL * 1000000000LL));
    // A stamp after the read (a clock set back, a file from a faster machine) is not settled.
    EXPECT_FALSE(IsSettled(stamp + 5000000000LL, stamp));
}

} // namespace
