#ifndef KIVPARSER_TESTS_SYMBOLS_SUPPORT_H
#define KIVPARSER_TESTS_SYMBOLS_SUPPORT_H

#include "lists/String.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A heap copy the model can take over.
inline char* heap(const char* s)
{
    return strdup(s);
}

// A value list (head plus values in the given order) of texts.
inline String* textList(const std::vector<const char*>& values)
{
    String* head = new String();
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        head->addNewString(heap(*it));
    return head;
}

// A value list of integers in the given order.
inline String* intList(const std::vector<int>& values)
{
    String* head = new String();
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        head->addNewData(*it);
    return head;
}

// The values behind a head, integers written in decimal.
inline std::vector<std::string> listValues(String* head)
{
    std::vector<std::string> out;
    for (String* v = head ? head->next() : nullptr; v; v = v->next())
        out.push_back(v->isInteger() ? std::to_string(v->integer) : std::string(v->str ? v->str : "<null>"));
    return out;
}

// Everything `dump` writes on standard output.
template <class F>
std::string captureStdout(F dump)
{
    testing::internal::CaptureStdout();
    dump();
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

#endif
