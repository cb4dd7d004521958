#include "lists/ApplicationOrder.h"
#include "kivparser/application/Application.h"

namespace kivparser {

namespace {

// Labels of named classes lie in [1, 2^LABEL_BITS); the unnamed class has
// 2^LABEL_BITS. A class added at either end keeps this distance from its
// neighbour while there is room, so that names arriving in order seldom
// need a spreading.
const uint64_t endStep = uint64_t(1) << 32;

} // namespace

ApplicationOrder::ApplicationOrder()
{
    // Class 0 stands for none, class 1 is the unnamed one; when there is no
    // memory for them, classOf() says so.
    if (labels.push(0) && labels.push(uint64_t(1) << LABEL_BITS) && members.push(nullptr))
        members.push(nullptr);
}

uint32_t ApplicationOrder::classOf(Application* app)
{
    if (labels.size() < 2 || members.size() < 2)
        return 0;
    if (!app || !app->appName)
        return UNNAMED;
    if (uint32_t* known = classes.find(app))
        return *known;
    OrderTree::Place place = order.lastWhere([this, app](uint64_t nameClass) {
        return Application::collate(members[nameClass], app, 0) <= 0;
    });
    uint32_t nameClass = 0;
    if (place.valid() && Application::collate(members[order.key(place)], app, 0) == 0)
        nameClass = static_cast<uint32_t>(order.key(place));
    else if (!(nameClass = newClass(app, place)))
        return 0;
    // Without room to remember it, the class is looked for again next time.
    if (uint32_t* slot = classes.findOrAdd(app))
        *slot = nameClass;
    return nameClass;
}

// A class for the name of `app`, right behind the class at `after`.
uint32_t ApplicationOrder::newClass(Application* app, OrderTree::Place after)
{
    if (labels.size() >= UINT32_MAX || !labels.push(0))
        return 0;
    if (!members.push(app)) {
        labels.pop();
        return 0;
    }
    uint32_t nameClass = static_cast<uint32_t>(labels.size() - 1);
    uint64_t low = after.valid() ? labels[order.key(after)] : 0;
    OrderTree::Place place = order.insertAfter(after, nameClass, nullptr);
    if (!place.valid()) {
        labels.pop();
        members.pop();
        return 0;
    }
    OrderTree::Place following = order.next(place);
    uint64_t high = following.valid() ? labels[order.key(following)] : uint64_t(1) << LABEL_BITS;
    uint64_t gap = high - low;
    if (gap >= 2) {
        uint64_t step = gap > 2 * endStep ? endStep : gap / 2;
        labels[nameClass] = !following.valid() ? low + step : !after.valid() ? high - step : low + gap / 2;
    } else if (!spread(place, low)) {
        order.erase(place);
        labels.pop();
        members.pop();
        return 0;
    }
    return nameClass;
}

// Gives new labels, evenly spread, to the classes of the smallest aligned
// range of labels around `place` (the new class, which stands for `low`,
// the label of the class before it) that is sparse enough: a range of 2^b
// labels may hold at most 1.6^b classes. Every range the new class makes too
// dense is thus spread out before its neighbours run out of room again.
bool ApplicationOrder::spread(OrderTree::Place place, uint64_t low)
{
    double allowed = 1;
    for (int bits = 1; bits <= LABEL_BITS; ++bits) {
        allowed *= 1.6;
        uint64_t size = uint64_t(1) << bits;
        uint64_t base = low & ~(size - 1);
        uint64_t inRange = 1;
        OrderTree::Place first = place;
        for (OrderTree::Place p = order.previous(place); p.valid() && labels[order.key(p)] >= base;
             p = order.previous(p)) {
            first = p;
            ++inRange;
        }
        for (OrderTree::Place p = order.next(place); p.valid() && labels[order.key(p)] - base < size; p = order.next(p))
            ++inRange;
        if (inRange + 1 > size || static_cast<double>(inRange) > allowed)
            continue;
        uint64_t step = size / (inRange + 1);
        uint64_t label = base;
        OrderTree::Place p = first;
        for (uint64_t n = 0; n < inRange; ++n, p = order.next(p))
            labels[order.key(p)] = label += step;
        return true;
    }
    return false;
}

} // namespace kivparser
