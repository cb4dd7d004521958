#include "dump/ModelWalk.h"

#include "dump/DumpWriter.h"
#include "kivparser/language/ParserErr.h"
#include "kivparser/lists/Elements.h"
#include "kivparser/lists/String.h"
#include "language/EntryGuard.h"
#include "language/JsonWriter.h"
#include "lists/OpenTable.h"
#include "platform/KzPlatform.h"

#include <algorithm>
#include <cstdarg>
#include <new>
#include <vector>

namespace kivparser {

namespace {

// One step of a walk: a member (or layout text) that a description told.
// Taking an object's step shows the object's opening and puts its members'
// steps on the stack, followed by the step that ends it.
struct Step {
    enum Op : unsigned char { TEXT, NUMBER, VALUES, OBJECT, LINK, BEGIN_LIST, END_LIST, END_OBJECT, LAYOUT };
    Op op;
    bool follow;  // LINK: the link is to be followed
    bool tracked; // END_OBJECT: the object was entered through a link (or is the root)
    Show show;
    const char* name;
    union {
        const char* text;
        long number;
        String* values;
        void* object;
    };
    const ClassInfo* type;
    Context context;
};

// Collects the steps of one object's members in their order. For the text
// dump (`shownOnly`) the members it does not show are left out at once.
class Steps final : public MemberVisitor {
public:
    Steps(std::vector<Step>& steps, bool shownOnly) : list(steps), shownOnly(shownOnly) {}

    void text(const char* name, const char* value, Show show) override
    {
        if (!hidden(show))
            add(Step::TEXT, name, show).text = value;
    }
    void number(const char* name, long value, Show show) override
    {
        if (!hidden(show))
            add(Step::NUMBER, name, show).number = value;
    }
    void variant(const char* name, ValueType type, long number, const char* text, Show show) override
    {
        if (type == VLU_INTEGER)
            this->number(name, number, show);
        else
            this->text(name, type == VLU_STRING ? text : nullptr, show);
    }
    void values(const char* name, String* head, Show show) override
    {
        if (!hidden(show))
            add(Step::VALUES, name, show).values = head;
    }
    void object(const char* name, const ClassInfo& type, void* object, Show show, Context context) override
    {
        if (hidden(show))
            return;
        Step& step = add(Step::OBJECT, name, show);
        step.object = object;
        step.type = &type;
        step.context = context;
    }
    void link(const char* name, const ClassInfo& type, void* target, bool follow, Show show, Context context) override
    {
        if (hidden(show) || (shownOnly && !follow))
            return;
        object(name, type, target, show, context);
        list.back().op = Step::LINK;
        list.back().follow = follow;
    }
    void beginList(const char* name, const ClassInfo& type, Show show) override
    {
        elementType = &type;
        elementShow = show.kind == Show::HIDE ? Show::hide() : Show::plain();
        listShow = show;
        if (!hidden(show))
            add(Step::BEGIN_LIST, name, show);
    }
    void element(void* object, Context context) override
    {
        this->object(nullptr, *elementType, object, elementShow, context);
    }
    void endList() override
    {
        if (!hidden(listShow))
            add(Step::END_LIST, nullptr, listShow);
    }
    void layout(Show show) override
    {
        if (!hidden(show))
            add(Step::LAYOUT, nullptr, show);
    }

private:
    bool hidden(const Show& show) const { return shownOnly && show.kind == Show::HIDE; }
    Step& add(Step::Op op, const char* name, Show show)
    {
        list.push_back(Step{op, false, false, show, name, {nullptr}, nullptr, Context{0, 0}});
        return list.back();
    }

    std::vector<Step>& list;
    bool shownOnly;
    const ClassInfo* elementType = nullptr;
    Show elementShow = Show::plain();
    Show listShow = Show::plain();
};

// Goes down from `root`, handing every step to `out`.
template <class Out>
void walk(Out& out, const ClassInfo& type, void* root, Context context)
{
    std::vector<Step> stack;
    PointerTable<char> open;
    Steps steps(stack, Out::shownOnly);
    stack.push_back(Step{Step::LINK, true, false, Show::plain(), nullptr, {nullptr}, &type, context});
    stack.back().object = root;
    while (!stack.empty()) {
        Step step = stack.back();
        stack.pop_back();
        switch (step.op) {
        case Step::TEXT:
            out.text(step);
            continue;
        case Step::NUMBER:
            out.number(step);
            continue;
        case Step::VALUES:
            out.values(step);
            continue;
        case Step::BEGIN_LIST:
            out.beginList(step);
            continue;
        case Step::END_LIST:
            out.endList(step);
            continue;
        case Step::LAYOUT:
            out.layout(step);
            continue;
        case Step::END_OBJECT:
            out.leave(step);
            if (step.tracked)
                open.erase(step.object);
            continue;
        case Step::LINK:
            if (!step.follow || (step.object && open.find(step.object))) {
                out.linkName(step, step.object ? step.type->nameOf(step.object) : nullptr);
                continue;
            }
            break;
        case Step::OBJECT:
            break;
        }
        if (!step.object) {
            out.nullObject(step);
            continue;
        }
        if (!out.enter(step))
            continue;
        bool tracked = step.op == Step::LINK;
        if (tracked && !open.findOrAdd(step.object))
            throw std::bad_alloc();
        stack.push_back(step);
        stack.back().op = Step::END_OBJECT;
        stack.back().tracked = tracked;
        size_t members = stack.size();
        step.type->describe(steps, step.object, step.context);
        std::reverse(stack.begin() + static_cast<std::ptrdiff_t>(members), stack.end());
    }
}

// ---- The text dump -------------------------------------------------------------

// Formats come from the descriptions, not from literals.
void print(const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    vprintf_new(format, ap);
    va_end(ap);
}

class TextOut {
public:
    static const bool shownOnly = true;

    void text(const Step& step) { scalar(step.show, DumpWriter::str(step.text)); }
    void number(const Step& step)
    {
        if (step.show.b)
            scalar(step.show, step.show.b);
        else
            scalar(step.show, step.number);
    }
    void values(const Step& step);
    void beginList(const Step& step)
    {
        if (step.show.kind == Show::BLOCK) {
            DumpWriter::open("%s", step.show.a);
        } else if (step.show.kind == Show::INLINE) {
            DumpWriter::indent();
            print(step.show.a);
        }
    }
    void endList(const Step& step)
    {
        if (step.show.kind == Show::BLOCK)
            closeBlock(step.show);
        else if (step.show.kind == Show::INLINE)
            print("\n");
    }
    void layout(const Step& step) { scalar(step.show, step.show.b); }
    void linkName(const Step&, const char*) {}
    void nullObject(const Step& step);
    bool enter(const Step& step);
    void leave(const Step& step)
    {
        if (step.show.kind == Show::BLOCK)
            closeBlock(step.show);
        else if (step.show.kind == Show::AROUND)
            print(step.show.c);
    }

private:
    static void closeBlock(const Show& show)
    {
        Indent--;
        DumpWriter::line("%s", show.c ? show.c : "}\n");
    }

    // A text or number as its way of showing says.
    template <class Value>
    static void scalar(const Show& show, Value value)
    {
        switch (show.kind) {
        case Show::LINE:
        case Show::START:
        case Show::TAIL:
            DumpWriter::indent();
            print(show.a, value);
            return;
        case Show::OPEN:
            DumpWriter::indent();
            print(show.a, value);
            Indent++;
            return;
        case Show::PART:
            print(show.a, value);
            return;
        case Show::PART_OPEN:
            print(show.a, value);
            Indent++;
            return;
        case Show::CLOSE:
            DumpWriter::close();
            return;
        case Show::HIDE:
        case Show::BLOCK:
        case Show::LEAD:
        case Show::AROUND:
        case Show::PLAIN:
        case Show::INLINE:
        case Show::TEXT_LINES:
            return;
        }
    }
};

void TextOut::values(const Step& step)
{
    const Show& show = step.show;
    switch (show.kind) {
    case Show::BLOCK:
        DumpWriter::open("%s", show.a);
        DumpWriter::values(step.values);
        closeBlock(show);
        return;
    case Show::INLINE:
        DumpWriter::indent();
        print(show.a);
        for (const String& value : elements(step.values)) {
            if (value.isInteger() && show.c)
                print(show.c, value.integer);
            else if (!value.isInteger() && show.b)
                print(show.b, DumpWriter::str(value.str));
        }
        print("\n");
        return;
    case Show::TEXT_LINES:
        for (const String& value : elements(step.values)) {
            if (!value.isInteger()) {
                DumpWriter::indent();
                print(show.a, DumpWriter::str(value.str));
            }
        }
        return;
    case Show::HIDE:
    case Show::LINE:
    case Show::START:
    case Show::PART:
    case Show::OPEN:
    case Show::PART_OPEN:
    case Show::TAIL:
    case Show::CLOSE:
    case Show::LEAD:
    case Show::AROUND:
    case Show::PLAIN:
        return;
    }
}

void TextOut::nullObject(const Step& step)
{
    const Show& show = step.show;
    if (show.kind == Show::LINE) {
        DumpWriter::indent();
        print(show.a);
    } else if (show.kind == Show::PLAIN && show.c) {
        print(show.c);
    } else if (show.kind == Show::BLOCK) {
        DumpWriter::open("%s", show.a);
        closeBlock(show);
    }
}

bool TextOut::enter(const Step& step)
{
    const Show& show = step.show;
    switch (show.kind) {
    case Show::HIDE:
        return false;
    case Show::BLOCK:
        DumpWriter::open("%s", show.a);
        return true;
    case Show::LEAD:
        DumpWriter::indent();
        print(show.a, step.context.ordinal);
        return true;
    case Show::AROUND:
        print(show.a);
        return true;
    case Show::LINE:
    case Show::START:
    case Show::PART:
    case Show::OPEN:
    case Show::PART_OPEN:
    case Show::TAIL:
    case Show::CLOSE:
    case Show::PLAIN:
    case Show::INLINE:
    case Show::TEXT_LINES:
        return true;
    }
    return true;
}

// ---- The JSON export -------------------------------------------------------------

class JsonOut {
public:
    static const bool shownOnly = false;

    explicit JsonOut(FILE* out) : json(out) {}

    void text(const Step& step)
    {
        key(step);
        json.string(step.text);
    }
    void number(const Step& step)
    {
        key(step);
        json.number(step.number);
    }
    // A list not given is null; every value of a given one, in order.
    void values(const Step& step)
    {
        key(step);
        if (!step.values) {
            json.null();
            return;
        }
        json.beginArray();
        for (const String& value : elements(step.values)) {
            if (value.isInteger())
                json.number(value.integer);
            else
                json.string(value.str);
        }
        json.endArray();
    }
    void beginList(const Step& step)
    {
        key(step);
        json.beginArray();
    }
    void endList(const Step&) { json.endArray(); }
    void layout(const Step&) {}
    void linkName(const Step& step, const char* name)
    {
        key(step);
        json.string(name);
    }
    void nullObject(const Step& step)
    {
        key(step);
        json.null();
    }
    bool enter(const Step& step)
    {
        key(step);
        json.beginObject();
        return true;
    }
    void leave(const Step&) { json.endObject(); }
    bool complete() const { return json.complete(); }

private:
    void key(const Step& step)
    {
        if (step.name)
            json.key(step.name);
    }

    JsonWriter json;
};

} // namespace

void ModelWalk::text(const ClassInfo& type, void* object, Context context)
{
    // When memory runs out, what was printed stays and the rest is left out.
    guarded([&] {
        TextOut out;
        walk(out, type, object, context);
    });
}

bool ModelWalk::json(FILE* out, const ClassInfo& type, void* object)
{
    return guarded(false, [&] {
        JsonOut json(out);
        walk(json, type, object, Context{0, 0});
        if (json.complete())
            return true;
        nomemory();
        return false;
    });
}

} // namespace kivparser
