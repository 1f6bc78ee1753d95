#include "app/CommandRouter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Claims the listed ids and records what it was asked to do.
class RecordingTarget : public CommandTarget {
public:
    RecordingTarget(std::string name, std::vector<int> ids, std::vector<std::string>& log)
        : m_name(std::move(name)), m_ids(std::move(ids)), m_log(log) {}

    bool OnCommand(int id) override {
        m_log.push_back(m_name + ":" + std::to_string(id));
        return Claims(id);
    }
    bool OnUpdateCommand(int id, CommandState& state) override {
        if (!Claims(id)) {
            return false;
        }
        state.enabled = true;
        state.checked = m_name == "second";
        return true;
    }

private:
    bool Claims(int id) const { return std::find(m_ids.begin(), m_ids.end(), id) != m_ids.end(); }

    std::string m_name;
    std::vector<int> m_ids;
    std::vector<std::string>& m_log;
};

TEST(CommandRouterTest, OffersInOrderAndStopsAtTheFirstClaim) {
    std::vector<std::string> log;
    RecordingTarget first("first", {1}, log);
    RecordingTarget second("second", {1, 2}, log);
    RecordingTarget third("third", {2, 3}, log);
    const CommandRouter router([&] { return std::vector<CommandTarget*>{&first, nullptr, &second, &third}; });

    EXPECT_TRUE(router.Route(2));
    EXPECT_EQ(log, (std::vector<std::string>{"first:2", "second:2"}));
    EXPECT_FALSE(router.Route(9));
    EXPECT_EQ(log.size(), 5U);
}

TEST(CommandRouterTest, StateComesFromTheFirstClaimAndUnclaimedIsDisabled) {
    std::vector<std::string> log;
    RecordingTarget first("first", {1}, log);
    RecordingTarget second("second", {1, 2}, log);
    const CommandRouter router([&] { return std::vector<CommandTarget*>{&first, &second}; });

    EXPECT_FALSE(router.State(1).checked);
    EXPECT_TRUE(router.State(2).checked);
    const CommandState unclaimed = router.State(7);
    EXPECT_FALSE(unclaimed.enabled);
    EXPECT_FALSE(unclaimed.checked);
}

} // namespace
