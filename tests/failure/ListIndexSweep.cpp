// Fails every allocation of the list indexes in turn while long sorted lists
// are filled, searched by name, thinned out and refilled inside a load. The
// indexes need memory only for themselves: whichever allocation fails, the
// lists must come out exactly as the plain walks make them, and nothing may
// be left allocated once the load has ended. (Some of them report that
// memory ran out, which a parse would end with; the lists are right all the
// same.)
//
// usage: kivparser_index_sweep

#include "failure/FailingAllocator.h"
#include "failure/OutOfMemoryReports.h"

#include <kivparser/kivparser.h>

#include "lists/LoadScope.h"
#include "lists/SListOps.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

using failing::outOfMemoryReports;

class Item final : public PSList {
public:
    Item(int precedence, int theTag, Application* app) : PSList(PSLpriority, precedence, 50), tag(theTag)
    {
        _application = app;
        snprintf(name, sizeof name, "item %d", theTag % 700);
        label = name;
    }
    ~Item() = default;
    int tag;
    char name[16];
    char* label;
    Item* next() { return static_cast<Item*>(_next); }
};

// The elements and applications of one run, made before counting starts.
struct Run {
    std::vector<Application*> apps;
    std::vector<Item*> items;
    Item* head = nullptr;

    Run()
    {
        for (int i = 0; i < 60; ++i)
            apps.push_back(new Application(strdup(("app " + std::to_string(i * 7919 % 41)).c_str())));
        head = new Item(-1, 0, nullptr);
        for (int i = 1; i <= 900; ++i)
            items.push_back(new Item(i % 5 == 0 ? -1 : i * 37 % 3 * 30, i, apps[(size_t)(i * 31 % 60)]));
    }
    ~Run()
    {
        std::vector<Item*> inside;
        for (Item* e = head->next(); e; e = e->next())
            inside.push_back(e);
        SListOps::disposeList(head);
        for (Item* e : items) {
            bool linked = false;
            for (Item* i : inside)
                linked = linked || i == e;
            if (!linked)
                delete e;
        }
        for (Application* app : apps)
            delete app;
    }

    // Fills, looks up, takes out every third element and puts half of them
    // back; the lookups' results go into the shape too.
    void operations(std::string& found)
    {
        for (Item* e : items)
            head->add(e);
        for (int i = 0; i < 700; i += 7) {
            Item* e = SListOps::lookup(head, &Item::label, ("item " + std::to_string(i)).c_str());
            found += e ? std::to_string(e->tag) + " " : "- ";
        }
        for (size_t i = 0; i < items.size(); i += 3)
            head->pullaway(items[i]);
        for (size_t i = 0; i < items.size(); i += 6)
            head->add(items[i]);
    }

    std::string shape()
    {
        std::string out;
        for (Item* e = head->next(); e; e = e->next())
            out += std::to_string(e->tag) + " ";
        return out + "tail " + std::to_string(static_cast<Item*>(head->_tail)->tag);
    }
};

// The shape after the operations: without a load (the plain walks), or
// inside one with allocation `nth` failing (0: none).
std::string outcome(bool inLoad, long nth, long* allocations, long* balance)
{
    Run run;
    std::string found;
    found.reserve(4096); // nothing of the run's own is allocated while counting
    failing::arm(nth);
    if (inLoad) {
        LoadScope load;
        run.operations(found);
    } else {
        run.operations(found);
    }
    *allocations = failing::disarm();
    *balance = failing::countedBalance();
    return found + "| " + run.shape();
}

} // namespace

int main()
{
    setParserReportHandler(failing::countOutOfMemory, nullptr);
    nomemory(); // the report's text is made once, before counting
    outOfMemoryReports = 0;
    long allocations = 0, balance = 0;
    std::string expected = outcome(false, 0, &allocations, &balance);
    long total = 0;
    if (outcome(true, 0, &total, &balance) != expected || balance != 0) {
        fprintf(stderr, "index-sweep: the indexed load differs from the plain walks without any failure\n");
        return 1;
    }
    int wrong = 0;
    for (long nth = 1; nth <= total; ++nth) {
        long seen = 0;
        std::string got = outcome(true, nth, &seen, &balance);
        if (got != expected) {
            fprintf(stderr, "index-sweep: failing allocation %ld of %ld: the lists differ from the plain walks\n", nth,
                    total);
            ++wrong;
        }
        if (balance != 0) {
            fprintf(stderr, "index-sweep: failing allocation %ld of %ld: %ld blocks left over\n", nth, total, balance);
            ++wrong;
        }
    }
    printf("index-sweep: %ld allocations of the indexes in a load; failed each in turn: %d reported, %d wrong\n", total,
           outOfMemoryReports, wrong);
    return wrong ? 1 : 0;
}
