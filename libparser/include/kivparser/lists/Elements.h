#ifndef KIVPARSER_LISTS_ELEMENTS_H
#define KIVPARSER_LISTS_ELEMENTS_H

#include <kivparser/lists/SList.h>

#include <cstddef>
#include <iterator>
#include <type_traits>

namespace kivparser {

// Range-for over a list of the model: the elements after the placeholder
// head, in list order; no element for a null head (a list never used) or a
// head alone. A const head gives const elements.
//
//     for (const kivparser::MenuBar& bar : kivparser::elements(reg->menuBars))
//         std::printf("%s\n", bar.menuID);
//
// The range holds only the head: it sees the list as it is when it is walked.
// An element may be changed while it is visited, but not unlinked.
template <class T>
class ElementRange {
    static_assert(std::is_base_of<SList, typename std::remove_const<T>::type>::value,
                  "elements() walks lists of the model");
    using Link = typename std::conditional<std::is_const<T>::value, const SList, SList>::type;

public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = typename std::remove_const<T>::type;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;

        iterator() = default;
        explicit iterator(Link* at) : node(at) {}

        reference operator*() const { return *static_cast<T*>(node); }
        pointer operator->() const { return static_cast<T*>(node); }
        iterator& operator++()
        {
            node = node->_next;
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            node = node->_next;
            return before;
        }
        friend bool operator==(const iterator& a, const iterator& b) { return a.node == b.node; }
        friend bool operator!=(const iterator& a, const iterator& b) { return a.node != b.node; }

    private:
        Link* node = nullptr;
    };
    using const_iterator = iterator;

    explicit ElementRange(T* head) : first(head ? static_cast<Link*>(head->_next) : nullptr) {}

    iterator begin() const { return iterator(first); }
    iterator end() const { return iterator(); }
    bool empty() const { return first == nullptr; }

private:
    Link* first;
};

template <class T>
ElementRange<T> elements(T* head)
{
    return ElementRange<T>(head);
}

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ElementRange;
using kivparser::elements;
#endif

#endif
