/* Private to the dump folder (ModelDescription.cpp, ModelWalk.cpp and the
   dump entry points) and to the tests of the descriptions; nothing else
   includes it.

   One description per model class, written once in ModelDescription.cpp:
   the class's members in order, each with its name, its kind (text, number,
   value list, object, link, list of objects) and the way the text dump shows
   it. Two walks read the descriptions: the text dump prints the members that
   have a way of showing, in the order and format given; the JSON export
   writes every member under its name. The tests read them to check the
   installed JSON Schema and the public headers against them. */
#ifndef KIVPARSER_DUMP_MODELDESCRIPTION_H
#define KIVPARSER_DUMP_MODELDESCRIPTION_H

#include "kivparser/application/Enrollment.h"
#include "kivparser/lists/ValueTypes.h"

namespace kivparser {

class String;

// How the text dump shows a member, or layout text that belongs to no
// member. The strings a, b, c mean what the kind says; a number's format
// gets the value as a long, a text's format the text ("" for none).
struct Show {
    enum Kind : unsigned char {
        HIDE,       // not in the text dump (the JSON export still has it)
        LINE,       // a line: indentation, then format a
        START,      // a line begins: indentation, then format a
        PART,       // the line goes on: format a
        OPEN,       // LINE, then one level deeper
        PART_OPEN,  // PART, then one level deeper
        TAIL,       // indentation, then format a, without a new level
        CLOSE,      // one level up, then the line "}"
        BLOCK,      // a line a, one level deeper, the content, one level up, the line c ("}" when null)
        LEAD,       // objects: when there is one, START a (given the ordinal), then the object
        AROUND,     // objects: when there is one, PART a, the object, PART c
        PLAIN,      // objects and lists: the content alone; a null object prints PART c when c is given
        INLINE,     // lists: START a, each element or value (for values: texts with format b, or
                    // integers with format c, whichever is given), then PART "\n"
        TEXT_LINES  // value lists: one LINE a per text value
    };
    Kind kind;
    const char* a;
    const char* b; // a number shown as this text instead (a's argument); layout: a's argument
    const char* c;

    static Show hide() { return {HIDE, nullptr, nullptr, nullptr}; }
    static Show line(const char* format, const char* as = nullptr) { return {LINE, format, as, nullptr}; }
    static Show start(const char* format, const char* as = nullptr) { return {START, format, as, nullptr}; }
    static Show part(const char* format, const char* as = nullptr) { return {PART, format, as, nullptr}; }
    static Show open(const char* format, const char* as = nullptr) { return {OPEN, format, as, nullptr}; }
    static Show partOpen(const char* format) { return {PART_OPEN, format, nullptr, nullptr}; }
    static Show tail(const char* format) { return {TAIL, format, nullptr, nullptr}; }
    static Show close() { return {CLOSE, nullptr, nullptr, nullptr}; }
    static Show block(const char* head, const char* closing = nullptr) { return {BLOCK, head, nullptr, closing}; }
    static Show lead(const char* format) { return {LEAD, format, nullptr, nullptr}; }
    static Show around(const char* before, const char* after) { return {AROUND, before, nullptr, after}; }
    static Show plain(const char* ifNone = nullptr) { return {PLAIN, nullptr, nullptr, ifNone}; }
    static Show inlineTexts(const char* head, const char* format) { return {INLINE, head, format, nullptr}; }
    static Show inlineIntegers(const char* head, const char* format) { return {INLINE, head, nullptr, format}; }
    static Show inlineList(const char* head) { return {INLINE, head, nullptr, nullptr}; }
    static Show textLines(const char* format) { return {TEXT_LINES, format, nullptr, nullptr}; }
};

// Where an object is shown: its description may show it differently there.
struct Context {
    enum Flag : unsigned char {
        LINKS = 1,         // entries show the menus and actions they link to
        IN_POPUP_MENU = 2, // a popup item inside a popup menu reached through a link
        LINKED = 4,        // a popup menu reached through a link
        DUPLICATE = 8,     // a further action of a multi-action menu entry
        SHORT = 16,        // an action as a list item shows it
        SEGMENT = 32,      // a point of a segment list (else an arc's point)
        BODY = 64          // a list without its opening line
    };
    unsigned char flags;
    int ordinal; // the 1-based place of an element in its list, where it matters

    bool has(Flag flag) const { return (flags & flag) != 0; }
};

class MemberVisitor;

// A described class: its name (the schema's name for it), its description,
// and the name by which a link to one of its objects is written where the
// link is not followed.
struct ClassInfo {
    const char* name;
    void (*describe)(MemberVisitor& visitor, void* object, Context context);
    const char* (*nameOf)(void* object);
};

// What a description tells, member by member, in order.
class MemberVisitor {
public:
    virtual void text(const char* name, const char* value, Show show) = 0;
    virtual void number(const char* name, long value, Show show) = 0;
    // A value held as an integer or a text, as `type` says (neither: null).
    virtual void variant(const char* name, ValueType type, long number, const char* text, Show show) = 0;
    // A value list (texts and integers, held through its placeholder head).
    virtual void values(const char* name, String* head, Show show) = 0;
    // An object the member holds, or null.
    virtual void object(const char* name, const ClassInfo& type, void* object, Show show, Context context) = 0;
    // An object the member points to without holding it: shown in full when
    // `follow` (and it is not already being shown), else by its name.
    virtual void link(const char* name, const ClassInfo& type, void* target, bool follow, Show show,
                      Context context) = 0;
    // A list of objects: the elements come between the two calls.
    virtual void beginList(const char* name, const ClassInfo& type, Show show) = 0;
    virtual void element(void* object, Context context) = 0;
    virtual void endList() = 0;
    // Text of the dump that belongs to no member.
    virtual void layout(Show show) = 0;

protected:
    ~MemberVisitor() = default;
};

// The title of an enrollment's block ("Add", ...); null for the placeholder
// head (and any value outside the enumeration), which shows nothing.
const char* enrollmentTitle(EnrollOpType op);

// The described classes (listBody: a tab or list without its opening line).
namespace described {
extern const ClassInfo applicationRegistration, tabsView, menuBar, menu, menuItem, popupMenu, popupItem,
    toolbarButton, function, action, command, window, application, enrollment, rule, fieldEnrollment,
    dropAction, expression, tab, parserList, listItem, symbolRegistration, symbolClass, symbolType, capability,
    listBody, line, point, fieldRegistration, field, snmppvReg, snmppvCgi, acceptArgument, ignoreAction;

// Every described class, for the checks of the schema and the headers; a
// default-made object of each (null for the views), and its disposal.
struct Entry {
    const ClassInfo* info;
    void* (*make)();
    void (*dispose)(void* object);
};
extern const Entry all[];
extern const int count;
} // namespace described

} // namespace kivparser

#endif
