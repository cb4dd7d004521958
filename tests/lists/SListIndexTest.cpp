// The indexes of long lists must not change a single result: every test here
// runs the same operations, inside a load, on a list that gets indexed and
// checks it, step by step, against the plain walk (written out again below).
#include "kivparser/kivparser.h"
#include "lists/LoadScope.h"
#include "lists/SListOps.h"
#include "lists/SListIndex.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

using namespace kivparser;

namespace {

class Entry final : public PSList {
public:
    Entry(PSListOrder order, int precedence, int tag, const char* name)
        : PSList(order, precedence, 50), tag(tag), name(name ? strdup(name) : nullptr)
    {
    }
    ~Entry() { free(name); }
    int tag;
    char* name;
    Entry* next() { return static_cast<Entry*>(_next); }
};

// The placement walk as the lists have always done it, over a list that never
// gets an index.
void plainAdd(PSList* head, PSList* item)
{
    SList* at = head;
    PSList* cursor = head;
    if (head->order == PSLprecedence || head->order == PSLpriority) {
        for (cursor = head->next(); cursor; cursor = cursor->next()) {
            int p = cursor->getPrecedence();
            if (p < item->getPrecedence())
                break;
            if (p == item->getPrecedence() &&
                Application::collate(item->getApplication(), cursor->getApplication(), head->order == PSLpriority) < 0)
                break;
            at = cursor;
        }
    }
    if (!cursor)
        head->SList::append(item);
    else
        at->insert(item);
}

Entry* plainLookup(Entry* head, const char* name)
{
    for (Entry* e = head; e; e = e->next())
        if (e->name && strcmp(e->name, name) == 0)
            return e;
    return nullptr;
}

// The chain as tags, with what each element's _base names (the head, an
// element of the chain by its tag, or something no longer in it) and the tag
// of the head's _tail.
std::string shape(Entry* head)
{
    std::unordered_map<SList*, std::string> names{{head, "head"}};
    for (Entry* e = head->next(); e; e = e->next())
        names[e] = std::to_string(e->tag);
    std::string out;
    for (Entry* e = head->next(); e; e = e->next()) {
        auto base = names.find(e->_base);
        out += names[e] + "/" + (base == names.end() ? "gone" : base->second) + " ";
    }
    return out + "tail " + names[head->_tail];
}

// The elements behind the head, in order.
std::vector<Entry*> chain(Entry* head)
{
    std::vector<Entry*> elements;
    for (Entry* e = head->next(); e; e = e->next())
        elements.push_back(e);
    return elements;
}

Entry* at(Entry* head, size_t n)
{
    return chain(head).at(n);
}

// Disposes of the list and of every element of `made` that is no longer in
// it (taken out, or appended behind a removed element that the head's _tail
// still named: the lists never repair _tail through remove()).
void disposeAll(Entry* head, std::vector<Entry*>& made)
{
    std::vector<Entry*> inside = chain(head);
    SListOps::disposeList(head);
    for (Entry* e : made)
        if (std::find(inside.begin(), inside.end(), e) == inside.end())
            delete e;
}

// Applications of every rank, two without a name; the ranks come from the
// priority strings set here.
std::vector<Application*> applications()
{
    Application::setPriorityOrganization("Org");
    Application::setPriorityClass("Org Tools");
    Application::setPriorityApplication("Mapper");
    std::vector<Application*> apps;
    for (const char* name : {"Org Tools Mapper", "Org Tools B", "Org A", "Zeta", "Alpha", "Mid"})
        apps.push_back(new Application(strdup(name)));
    apps.push_back(new Application());
    apps.push_back(nullptr);
    return apps;
}

void release(std::vector<Application*>& apps)
{
    for (Application* app : apps)
        SListOps::disposeList(app); // one element each
}

// Takes the n-th element out of both lists, through the head or through the
// element itself; with `back`, it goes in again through the sorted add.
// Removed elements are kept until the end, so that no new element takes the
// address that some _base still names.
void takeOut(Entry* indexed, Entry* plain, size_t n, bool throughHead, bool back)
{
    Entry* a = at(indexed, n);
    Entry* b = at(plain, n);
    if (throughHead || back) {
        indexed->pullaway(a);
        plain->pullaway(b);
    } else {
        a->remove();
        b->remove();
    }
    if (back) {
        indexed->add(a);
        plainAdd(plain, b);
    }
}

} // namespace

TEST(SListIndex, SortedInsertionMatchesThePlainWalk)
{
    LoadScope load;
    std::vector<Application*> apps = applications();
    std::mt19937 random(20261205);
    for (PSListOrder order : {PSLpriority, PSLprecedence}) {
        Entry* indexed = new Entry(order, -1, 0, nullptr);
        Entry* plain = new Entry(order, -1, 0, nullptr);
        std::vector<Entry*> madeIndexed, madePlain;
        int tag = 0;
        // The same new element for both lists.
        auto twins = [&](int precedence, Application* app) {
            ++tag;
            madeIndexed.push_back(new Entry(order, precedence, tag, nullptr));
            madePlain.push_back(new Entry(order, precedence, tag, nullptr));
            madeIndexed.back()->_application = madePlain.back()->_application = app;
        };
        for (int step = 0; step < 1200; ++step) {
            int what = (int)(random() % 100);
            if (what < 85 || chain(plain).size() < 40) {
                // Precedences cluster so that long groups of equal keys form;
                // a few are out of the indexed range or not given.
                static const int choices[] = {-1, 0, 10, 50, 50, 50, 60, 60, 99, 100, 250};
                int precedence = choices[random() % (sizeof choices / sizeof choices[0])];
                twins(precedence, apps[random() % apps.size()]);
                indexed->add(madeIndexed.back());
                plainAdd(plain, madePlain.back());
            } else if (what < 93) {
                takeOut(indexed, plain, random() % chain(plain).size(), what % 2, false);
            } else if (what < 96 && step > 900) {
                // Linked behind the head out of order: the index must notice
                // (late, so that the indexed walk has long been at work).
                twins(0, nullptr);
                indexed->insert(madeIndexed.back());
                plain->insert(madePlain.back());
            } else if (what >= 96) {
                takeOut(indexed, plain, random() % chain(plain).size(), true, true); // moved
            }
            ASSERT_EQ(shape(indexed), shape(plain)) << "step " << step;
        }
        disposeAll(indexed, madeIndexed);
        disposeAll(plain, madePlain);
    }
    release(apps);
}

namespace {

// Many applications: names drawn from a smaller set (so that names tie
// between applications), of every rank, and some without a name.
std::vector<Application*> manyApplications(std::mt19937& random)
{
    Application::setPriorityOrganization("Org");
    Application::setPriorityClass("Org Tools");
    Application::setPriorityApplication("Mapper");
    static const char* const prefixes[] = {"Org Tools Mapper ", "Org Tools ", "Org ", "", "", ""};
    std::vector<Application*> apps;
    for (int i = 0; i < 400; ++i) {
        std::string name = std::string(prefixes[random() % 6]) + "app " + std::to_string(random() % 150);
        apps.push_back(i % 97 == 0 ? new Application() : new Application(strdup(name.c_str())));
    }
    apps.push_back(nullptr);
    return apps;
}

} // namespace

// Lists of thousands of elements, whose applications come in random order:
// nearly every element goes somewhere inside a long run of equal precedence.
// Now and then elements are taken out (through the head or themselves),
// moved, linked out of order, or given a precedence the index does not take,
// and the load ends and a new one starts from the lists as they are.
TEST(SListIndex, LongSortedListsMatchThePlainWalk)
{
    std::mt19937 random(20261207);
    std::vector<Application*> apps = manyApplications(random);
    for (PSListOrder order : {PSLpriority, PSLprecedence}) {
        std::optional<LoadScope> load;
        load.emplace();
        Entry* indexed = new Entry(order, -1, 0, nullptr);
        Entry* plain = new Entry(order, -1, 0, nullptr);
        std::vector<Entry*> madeIndexed, madePlain;
        int tag = 0;
        auto twins = [&](int precedence, Application* app, int defaultPrecedence) {
            ++tag;
            madeIndexed.push_back(new Entry(order, precedence, tag, nullptr));
            madePlain.push_back(new Entry(order, precedence, tag, nullptr));
            madeIndexed.back()->_application = madePlain.back()->_application = app;
            madeIndexed.back()->defaultPrecedence = madePlain.back()->defaultPrecedence = defaultPrecedence;
        };
        for (int step = 0; step < 6000; ++step) {
            int what = (int)(random() % 1000);
            size_t n = chain(plain).size();
            if (what < 900 || n < 40) {
                static const int choices[] = {-1, -1, 0, 50, 50, 50, 70, 100, 250};
                twins(choices[random() % 9], apps[random() % apps.size()], what == 0 ? 120 : 50);
                indexed->add(madeIndexed.back());
                plainAdd(plain, madePlain.back());
            } else if (what < 980) {
                takeOut(indexed, plain, random() % n, what % 2, what >= 950);
            } else if (what < 985 && step > 4000) {
                twins(0, nullptr, 50);
                size_t k = random() % n;
                at(indexed, k)->insert(madeIndexed.back());
                at(plain, k)->insert(madePlain.back());
            } else if (what < 990) {
                load.reset();
                load.emplace();
            }
            if (step % 40 == 0 || step > 5900) {
                ASSERT_EQ(shape(indexed), shape(plain)) << "step " << step;
            }
        }
        ASSERT_EQ(shape(indexed), shape(plain));
        load.reset();
        disposeAll(indexed, madeIndexed);
        disposeAll(plain, madePlain);
    }
    for (Application* app : apps)
        delete app;
}

namespace {

// Now and then the load ends and the host, between two loads, renames
// elements without telling anybody.
void lookupsAgainstThePlainWalk(unsigned seed)
{
    std::optional<LoadScope> load;
    load.emplace();
    std::mt19937 random(seed);
    Entry* head = new Entry(PSLfifo, -1, 0, nullptr);
    std::vector<Entry*> made;
    int tag = 0;
    auto name = [&](int n) { return "name " + std::to_string(n); };
    for (int step = 0; step < 2000; ++step) {
        int what = (int)(random() % 100);
        size_t n = chain(head).size();
        if (what < 45 || n < 40) {
            // New names mostly, now and then one already there.
            Entry* e = new Entry(PSLfifo, -1, ++tag, name(random() % 700).c_str());
            made.push_back(e);
            if (what % 3 == 0)
                head->add(e); // newest first
            else if (what % 3 == 1)
                head->SList::append(e);
            else if (n > 0)
                at(head, random() % n)->insert(e);
            else
                head->insert(e);
        } else if (what < 60) {
            Entry* e = at(head, random() % n);
            if (what % 2)
                head->pullaway(e);
            else
                e->remove();
            // Kept until the end: some _base may name it.
        } else if (what < 65) {
            Entry* e = at(head, random() % n);
            free(e->name);
            e->name = strdup(name(random() % 700).c_str());
            SListIndex::renamed(e);
        } else if (what < 67) {
            Entry* e = at(head, random() % n);
            free(e->name);
            e->name = nullptr;
            SListIndex::renamed(e);
        } else if (what < 69) {
            load.reset();
            for (int renames = 0; renames < 3; ++renames) {
                Entry* e = at(head, random() % n);
                free(e->name);
                e->name = renames == 2 ? nullptr : strdup(name(random() % 700).c_str());
            }
            load.emplace();
        }
        for (int probe = 0; probe < 5; ++probe) {
            std::string wanted = name(random() % 750);
            Entry* expected = plainLookup(head, wanted.c_str());
            ASSERT_EQ(SListOps::lookup(head, &Entry::name, wanted.c_str()), expected)
                << "seed " << seed << " step " << step;
        }
    }
    EXPECT_EQ(SListOps::lookup(head, &Entry::name, nullptr), nullptr);
    disposeAll(head, made);
    Entry* none = nullptr;
    EXPECT_EQ(SListOps::lookup(none, &Entry::name, "name 1"), nullptr);
}

} // namespace

TEST(SListIndex, LookupsMatchThePlainWalk)
{
    for (unsigned seed = 1; seed <= 6; ++seed)
        lookupsAgainstThePlainWalk(seed);
}

TEST(SListIndex, ListsDestroyedAndMadeAgainStartClean)
{
    // A new list at the address of a destroyed one must not inherit its index.
    LoadScope load;
    for (int round = 0; round < 20; ++round) {
        Entry* head = new Entry(PSLpriority, -1, 0, nullptr);
        for (int tag = 1; tag <= 80; ++tag)
            head->add(new Entry(PSLpriority, round % 2 ? tag % 5 : 100 - tag, tag,
                                ("n" + std::to_string(tag)).c_str()));
        ASSERT_NE(SListOps::lookup(head, &Entry::name, "n80"), nullptr);
        EXPECT_EQ(SListOps::lookup(head, &Entry::name, "n81"), nullptr);
        EXPECT_EQ(chain(head).back(), head->_tail);
        SListOps::disposeList(head);
    }
}

namespace {

ApplicationRegistration* parseInto(ApplicationRegistration* reg, const std::string& text)
{
    TempDir dir;
    KivParser parser(const_cast<char*>(dir.file("index.reg", text).c_str()), reg, 0);
    EXPECT_EQ(parser.errors, 0);
    return parser.getAppReg();
}

} // namespace

// A host renames an application and gives a menu bar another precedence, by
// writing the fields, between two parses into the same registration (both
// lists long enough to be indexed by the first parse): the second parse finds
// the application by its new name and places a new bar where the walk over
// the list as it now is places it.
TEST(SListIndex, HostChangesBetweenTwoParses)
{
    ApplicationRegistration* reg = nullptr;
    for (int i = 0; i < 40; ++i)
        reg = parseInto(reg, "application \"a" + std::to_string(i) + "\" { }\n");
    std::string bars = "application \"A\" {\n";
    for (int i = 0; i < 40; ++i)
        bars += "    menubar <" + std::to_string(90 - i) + "> \"b" + std::to_string(i) + "\" { }\n";
    reg = parseInto(reg, bars + "}\n");
    ASSERT_NE(reg, nullptr);

    Application* renamed = reg->lookupApplication(const_cast<char*>("a5"));
    ASSERT_NE(renamed, nullptr);
    free(renamed->appName);
    renamed->appName = strdup("zz");
    reg->lookupMenuBar(const_cast<char*>("b10"))->precedence = 10;

    reg = parseInto(reg, "application \"zz\" { }\n");
    reg = parseInto(reg, "application \"A\" { menubar <50> \"new\" { } }\n");
    int apps = 0;
    for (Application* app = reg->applications->next(); app; app = app->next())
        ++apps;
    EXPECT_EQ(apps, 41);
    EXPECT_EQ(reg->lookupApplication(const_cast<char*>("zz")), renamed);
    std::string order;
    for (MenuBar* bar = reg->menuBars->next(); bar; bar = bar->next())
        order += std::string(bar->menuID) + " ";
    std::string expected;
    for (int i = 0; i < 40; ++i)
        expected += (i == 10 ? "new b" : "b") + std::to_string(i) + " ";
    EXPECT_EQ(order, expected);
    delete reg;
}
