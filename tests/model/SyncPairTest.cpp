#include "model/SyncPair.h"

#include <gtest/gtest.h>

TEST(SyncPair, CountsAnyNumberOfEditsBetweenSynchronisationsOnce) {
    SyncPair pair;
    pair.Touch();
    pair.Touch();
    EXPECT_EQ(pair.current, 1u);
    EXPECT_TRUE(pair.MarkSynchronised());
    EXPECT_FALSE(pair.MarkSynchronised());
    pair.Touch();
    EXPECT_EQ(pair.current, 2u);
    EXPECT_EQ(pair.synchronised, 1u);
}

TEST(SyncPair, SettlesOnTheLargerCounter) {
    SyncPair pair{5, 3};
    EXPECT_TRUE(pair.Settle());
    EXPECT_EQ(pair.current, 5u);
    EXPECT_EQ(pair.synchronised, 5u);
    EXPECT_FALSE(pair.Settle());
}

TEST(SyncPair, ComparesWithThePeersCounter) {
    struct Case {
        SyncPair pair;
        std::uint32_t peer;
        SyncPair::Comparison expected;
    };
    const Case cases[] = {
        {{3, 3}, 3, SyncPair::Unchanged},     {{4, 3}, 3, SyncPair::ChangedHere}, {{3, 3}, 4, SyncPair::ChangedOnPeer},
        {{4, 3}, 5, SyncPair::ChangedOnBoth}, {{3, 3}, 2, SyncPair::Unchanged},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.pair.Compare(c.peer), c.expected) << c.pair.current << ' ' << c.pair.synchronised << ' ' << c.peer;
    }
}
