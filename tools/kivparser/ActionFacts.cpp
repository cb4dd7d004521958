#include "ActionFacts.h"

#include <cctype>
#include <cstring>

namespace {

// Binding strength of an operator; terms bind most.
int strength(const kivparser::ParserExpression* node)
{
    if (!node || node->op == kivparser::EOP_TERM || node->op == kivparser::EOP_NA)
        return 5;
    switch (node->op) {
    case kivparser::EOP_OR:
        return 1;
    case kivparser::EOP_AND:
        return 2;
    case kivparser::EOP_NOT:
        return 4;
    case kivparser::EOP_ASSIGN:
    case kivparser::EOP_EQUAL:
    case kivparser::EOP_NOT_EQUAL:
    case kivparser::EOP_MAX:
        return 3; // =, ==, !=
    case kivparser::EOP_NA:
    case kivparser::EOP_TERM:
        return 5;
    }
    return 3;
}

bool plainName(const char* text)
{
    if (!*text)
        return false;
    bool number = std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-';
    for (const char* p = text; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (number ? !(std::isdigit(c) || (p == text && c == '-')) : !(std::isalnum(c) || c == '_'))
            return false;
    }
    return !(number && text[0] == '-' && !text[1]);
}

const char* onOff(kivparser::OnOffType value)
{
    return value == kivparser::OOF_ON ? "on" : "off";
}

} // namespace

ActionFacts::ActionFacts(kivparser::Action* theAction, const kivparser::ApplicationRegistration* root)
    : action(theAction), defined(theAction->locked != 0), incomplete(theAction->definitionIncomplete()),
      accessGiven(theAction->accesses != nullptr), openToAll(actionCertifiedByRole(theAction, "", 1) != 0)
{
    kivparser::SourceLocation first;
    if (kivparser::findDefinitions(root, action, &first, 1) > 0 && first.file) {
        place.known = true;
        place.file = first.file;
        place.line = first.line;
    }
    if (action->application && action->application->appName)
        application = action->application->appName;
    selectionRule = expression(action->selectionRule);
    access = values(action->accesses);
    nameFields = values(action->nameFields);
    if (const kivparser::Command* cmd = action->command) {
        if (cmd->commandName)
            command = cmd->commandName;
        if (cmd->hostSpec)
            host = cmd->hostSpec;
        if (cmd->launchSpec)
            launcher = cmd->launchSpec;
        const struct {
            unsigned long bit;
            const char* word;
        } flags[] = {{kivparser::PFL_INITIAL, "initial"},
                     {kivparser::PFL_SHARED, "shared"},
                     {kivparser::PFL_RESTART, "restart"},
                     {kivparser::PFL_DISABLESYMDELETE, "no symbol deletion"}};
        for (const auto& flag : flags) {
            if (cmd->processFlag & flag.bit)
                commandFlags.push_back(flag.word);
        }
    }
    window = windowText(action->window);
}

std::string ActionFacts::expression(const kivparser::ParserExpression* root)
{
    std::string text;
    if (!root)
        return text;
    // The nodes under way wait on a stack of their own, each with how far it
    // is written: 0 nothing yet, 1 up to its operator, 2 up to its end.
    struct Step {
        const kivparser::ParserExpression* node;
        int part;
        bool parenthesized;
    };
    std::vector<Step> steps{{root, 0, false}};
    while (!steps.empty()) {
        Step& step = steps.back();
        const kivparser::ParserExpression* node = step.node;
        if (!node || node->op == kivparser::EOP_TERM || node->op == kivparser::EOP_NA) {
            if (!node)
                text += "<err>";
            else if (node->op == kivparser::EOP_NA)
                text += "<n/a>";
            else if (!node->term)
                text += "<null>";
            else if (plainName(node->term))
                text += node->term;
            else
                text += std::string("\"") + node->term + "\"";
            steps.pop_back();
            continue;
        }
        int own = strength(node);
        if (step.part == 0) {
            if (step.parenthesized)
                text += "(";
            step.part = 1;
            if (node->op == kivparser::EOP_NOT) {
                text += "!";
                step.part = 2;
                steps.push_back({node->expr1, 0, strength(node->expr1) < 5});
                continue;
            }
            // Chains of && or of || need no parentheses; comparisons within
            // comparisons do.
            int left = strength(node->expr1);
            steps.push_back({node->expr1, 0, left < own || (left == own && own == 3)});
            continue;
        }
        if (step.part == 1) {
            text += std::string(" ") + kivparser::getOpString(node->op) + " ";
            step.part = 2;
            int right = strength(node->expr2);
            steps.push_back({node->expr2, 0, right < own || (right == own && own == 3)});
            continue;
        }
        if (step.parenthesized)
            text += ")";
        steps.pop_back();
    }
    return text;
}

std::string ActionFacts::windowText(const kivparser::Window* window)
{
    if (!window)
        return std::string();
    std::string text = window->windowID ? std::string("\"") + window->windowID + "\"" : std::string("unnamed");
    switch (window->type) {
    case kivparser::TSP_LIMITED:
        text += ", limited";
        break;
    case kivparser::TSP_FULL:
        text += ", full";
        break;
    case kivparser::TSP_INTERMEDIATE:
        text += ", intermediate";
        break;
    case kivparser::TSP_MENUONLY:
        text += ", menu only";
        break;
    case kivparser::TSP_NA:
        break;
    }
    if (window->width >= 0 || window->height >= 0) {
        auto size = [](int value) { return value >= 0 ? std::to_string(value) : std::string("?"); };
        text += ", " + size(window->width) + "x" + size(window->height);
    }
    const struct {
        kivparser::OnOffType value;
        const char* name;
    } switches[] = {{window->status, "status"},
                    {window->scrollbar, "scrollbars"},
                    {window->toolbar, "toolbar"},
                    {window->location, "location"},
                    {window->resizable, "resizable"}};
    for (const auto& item : switches) {
        if (item.value != kivparser::OOF_NA)
            text += std::string(", ") + item.name + " " + onOff(item.value);
    }
    return text;
}

std::vector<std::string> ActionFacts::values(kivparser::String* list)
{
    std::vector<std::string> result;
    for (const kivparser::String& value : kivparser::elements(list)) {
        if (value.isInteger())
            result.push_back(std::to_string(value.integer));
        else
            result.push_back(value.str ? value.str : "");
    }
    return result;
}
