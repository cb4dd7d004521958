// Range-for over the model's lists: elements() gives the elements after the
// placeholder head, in list order, for every list of the model, const or not;
// nothing for a null head or a head alone.

#include "kivparser/kivparser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

using namespace kivparser;

namespace {

int walked = 0;

// The elements by range-for, as non-const and as const, against the chain of
// next() pointers.
template <class T>
void sameWalk(T* head)
{
    std::vector<const SList*> byHand;
    for (SList* e = head ? head->_next : nullptr; e; e = e->_next)
        byHand.push_back(e);
    std::vector<const SList*> byRange;
    for (T& e : elements(head))
        byRange.push_back(&e);
    std::vector<const SList*> byConstRange;
    for (const T& e : elements(static_cast<const T*>(head)))
        byConstRange.push_back(&e);
    EXPECT_EQ(byRange, byHand);
    EXPECT_EQ(byConstRange, byHand);
    EXPECT_EQ(static_cast<size_t>(std::distance(elements(head).begin(), elements(head).end())), byHand.size());
    walked++;
}

ApplicationRegistration* parseApplications()
{
    std::string path = std::string(KIVPARSER_TEST_DATA) + "/language/grammar/every-statement.arf";
    KivParser parser(const_cast<char*>(path.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    return parser.getAppReg();
}

} // namespace

TEST(Elements, EveryListOfTheModel)
{
    static_assert(std::is_same<std::iterator_traits<ElementRange<Menu>::iterator>::iterator_category,
                               std::forward_iterator_tag>::value,
                  "a forward iterator");
    static_assert(std::is_same<ElementRange<const Menu>::iterator::reference, const Menu&>::value,
                  "const heads give const elements");

    ApplicationRegistration* reg = parseApplications();
    ASSERT_NE(reg, nullptr);
    walked = 0;
    sameWalk(reg->applications);
    sameWalk(reg->menuBars);
    sameWalk(reg->popupItems);
    sameWalk(reg->toolbarButtons);
    sameWalk(reg->tabs);
    sameWalk(reg->lists);
    sameWalk(reg->windows);
    for (Application& app : elements(reg->applications)) {
        for (String* list : {app.descriptions, app.nameFields, app.copyrights})
            sameWalk(list);
        sameWalk(app.menus);
        sameWalk(app.popupMenus);
        sameWalk(app.actions);
        sameWalk(app.enrollments);
        sameWalk(app.dropActions);
        for (Menu& menu : elements(app.menus))
            sameWalk(menu.menuItems);
        for (Action& action : elements(app.actions)) {
            sameWalk(action.nameFields);
            sameWalk(action.accesses);
        }
        for (Enrollment& enrollment : elements(app.enrollments)) {
            sameWalk(enrollment.rules);
            for (Rule& rule : elements(enrollment.rules))
                sameWalk(rule.fieldEnrollments);
        }
    }
    for (MenuBar& bar : elements(reg->menuBars)) {
        sameWalk(bar.menuItems);
        for (_MenuItem& item : elements(bar.menuItems))
            sameWalk(static_cast<MenuItem&>(item).dupMenuItems);
    }
    for (ParserList& list : elements(reg->lists)) {
        sameWalk(list.menuItems);
        sameWalk(list.activeHelp);
    }
    EXPECT_GT(walked, 40);

    // The text of the list is there, in order.
    std::vector<std::string> names;
    for (const Application& app : elements(static_cast<const ApplicationRegistration*>(reg)->applications))
        names.push_back(app.appName);
    EXPECT_FALSE(names.empty());
    delete reg;
}

TEST(Elements, NullHeadsAndLoneHeadsHaveNone)
{
    Menu* none = nullptr;
    EXPECT_TRUE(elements(none).empty());
    EXPECT_EQ(elements(none).begin(), elements(none).end());
    String lone;
    EXPECT_TRUE(elements(&lone).empty());
    String* head = new String();
    head->append(new String(strdup("one")));
    head->append(new String(2));
    std::vector<std::string> seen;
    for (const String& s : elements(static_cast<const String*>(head)))
        seen.push_back(s.isInteger() ? std::to_string(s.integer) : std::string(s.str));
    EXPECT_EQ(seen, (std::vector<std::string>{"one", "2"}));
    auto found = std::find_if(elements(head).begin(), elements(head).end(),
                              [](const String& s) { return s.isInteger(); });
    ASSERT_NE(found, elements(head).end());
    EXPECT_EQ(found->integer, 2);
    while (head->next()) {
        String* first = head->next();
        head->pullaway(first);
        delete first;
    }
    delete head;
}
