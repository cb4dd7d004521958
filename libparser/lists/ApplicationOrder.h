// Private: included by the lists index (SListIndex) and ApplicationOrder.cpp, and their tests.
#ifndef KIVPARSER_LISTS_APPLICATIONORDER_H
#define KIVPARSER_LISTS_APPLICATIONORDER_H

#include "lists/OpenTable.h"
#include "lists/OrderTree.h"
#include "lists/WorkStack.h"

#include <cstdint>

namespace kivparser {

class Application;

// The order of the applications that one load has placed entries of, by
// name as Application::collate orders them (without the ranks): each name
// class (the applications whose names collate equal; all the unnamed ones,
// and no application at all, form the last class) carries a number, its
// label, and the labels are in the order of the classes. Comparing two
// labels then answers what comparing the names would, without reading the
// names: the list indexes keep a class with each entry and compare labels.
//
// The name of a new application is compared with the names of the classes
// once, when its class is looked for; its label is found between those of
// its neighbours. When two neighbours have no number left between them, the
// labels of a stretch around them are spread out again (the stretch is the
// smallest aligned range of labels sparse enough, so that this costs a
// logarithmic number of steps per class on the whole). A class keeps its
// number for ever; only its label changes.
class ApplicationOrder final {
public:
    enum : uint32_t { UNNAMED = 1 };

    ApplicationOrder();

    // The class of `app` (UNNAMED for a null application or name), made on
    // first use; 0 when there was no memory for it.
    uint32_t classOf(Application* app);
    uint64_t label(uint32_t nameClass) { return labels[nameClass]; }

private:
    enum { LABEL_BITS = 55 };

    uint32_t newClass(Application* app, OrderTree::Place after);
    bool spread(OrderTree::Place place, uint64_t low);

    PointerTable<uint32_t> classes;  // application -> class
    WorkStack<uint64_t> labels;      // class -> label; 0 is no class
    WorkStack<Application*> members; // class -> an application of the class
    OrderTree order;                 // the named classes in order, their numbers as keys

    ApplicationOrder(const ApplicationOrder&) = delete;
    ApplicationOrder& operator=(const ApplicationOrder&) = delete;
};

} // namespace kivparser

#endif
