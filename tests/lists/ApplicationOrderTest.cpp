// The labels of the applications' name classes must order as the names
// collate, at every moment: whatever order the names arrive in (in order, in
// reverse, always into the same gap, shuffled), with names that tie, and
// with applications without a name.
#include "kivparser/kivparser.h"
#include "lists/ApplicationOrder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

std::string name(int n)
{
    char text[32];
    snprintf(text, sizeof text, "App %06d", n);
    return text;
}

// Adds the applications in turn; after each, every pair of classes seen so
// far (sampled when there are many) compares by label as by name.
void expectOrdered(const std::vector<Application*>& apps, unsigned seed)
{
    ApplicationOrder order;
    std::vector<std::pair<Application*, uint32_t>> seen;
    std::mt19937 random(seed);
    for (size_t i = 0; i < apps.size(); ++i) {
        uint32_t nameClass = order.classOf(apps[i]);
        ASSERT_NE(nameClass, 0u);
        ASSERT_EQ(order.classOf(apps[i]), nameClass); // remembered
        seen.emplace_back(apps[i], nameClass);
        for (int probe = 0; probe < 8; ++probe) {
            auto& a = seen[random() % seen.size()];
            auto& b = i % 50 == 0 && probe == 0 ? seen.front() : seen[random() % seen.size()];
            int names = Application::collate(a.first, b.first, 0);
            uint64_t la = order.label(a.second), lb = order.label(b.second);
            int labels = la < lb ? -1 : la > lb ? 1 : 0;
            ASSERT_EQ(names < 0   ? -1
                      : names > 0 ? 1
                                  : 0,
                      labels)
                << (a.first && a.first->appName ? a.first->appName : "-") << " / "
                << (b.first && b.first->appName ? b.first->appName : "-") << " after " << i;
            ASSERT_EQ(names == 0, a.second == b.second);
        }
    }
    // Finally every neighbour in name order.
    std::sort(seen.begin(), seen.end(),
              [](const auto& a, const auto& b) { return Application::collate(a.first, b.first, 0) < 0; });
    for (size_t i = 1; i < seen.size(); ++i)
        ASSERT_LE(order.label(seen[i - 1].second), order.label(seen[i].second));
}

} // namespace

TEST(ApplicationOrder, LabelsFollowTheNamesInAnyArrivalOrder)
{
    const int count = 3000;
    std::vector<Application*> made;
    auto app = [&made](const std::string& text) {
        made.push_back(new Application(strdup(text.c_str())));
        return made.back();
    };
    std::vector<Application*> inOrder, reverse, sameGap, shuffled;
    for (int n = 0; n < count; ++n)
        inOrder.push_back(app(name(n)));
    for (int n = count; n-- > 0;)
        reverse.push_back(app(name(n)));
    // Always right behind the first name: the gap there halves every time.
    sameGap.push_back(app(name(0)));
    sameGap.push_back(app(name(count)));
    for (int n = count - 1; n > 0; --n)
        sameGap.push_back(app(name(n)));
    // Shuffled, a third of the names twice (two applications of one name),
    // some without a name and a null application.
    for (int n = 0; n < count; ++n) {
        shuffled.push_back(app(name(n)));
        if (n % 3 == 0)
            shuffled.push_back(app(name(n)));
        if (n % 500 == 0) {
            made.push_back(new Application());
            shuffled.push_back(made.back());
            shuffled.push_back(nullptr);
        }
    }
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(11));
    unsigned seed = 1;
    for (auto* list : {&inOrder, &reverse, &sameGap, &shuffled})
        expectOrdered(*list, seed++);
    for (Application* a : made)
        delete a;
}
