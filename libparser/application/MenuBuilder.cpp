#include "application/MenuBuilder.h"
#include "language/GrammarActions.h"

#include <cstdlib>

// Stub bodies: they release what they are given until the menu model fills
// them in. The texts of context expressions and target symbol types are
// already joined as the menu items will store them.

int MenuBuilder::beginMenuBar(int, char* name, char* mnemonic)
{
    free(name);
    free(mnemonic);
    return 0;
}

int MenuBuilder::endMenuBar()
{
    return 0;
}

int MenuBuilder::beginMenu(char* name)
{
    free(name);
    return 0;
}

int MenuBuilder::endMenu()
{
    return 0;
}

int MenuBuilder::beginPopupMenu(char* name)
{
    free(name);
    return 0;
}

int MenuBuilder::endPopupMenu()
{
    return 0;
}

int MenuBuilder::menuItem(int, char* label, char* mnemonic, char* accelerator, char* context)
{
    free(label);
    free(mnemonic);
    free(accelerator);
    free(context);
    return 0;
}

int MenuBuilder::popupItem(int, char* label, char* context, char* targetSymbolType)
{
    free(label);
    free(context);
    free(targetSymbolType);
    return 0;
}

int MenuBuilder::popupMenuItem(int, char* label, char* context, char* targetSymbolType)
{
    free(label);
    free(context);
    free(targetSymbolType);
    return 0;
}

int MenuBuilder::toolbarButton(int, char* label, char* context)
{
    free(label);
    free(context);
    return 0;
}

int MenuBuilder::textLabel(char* text, char** label)
{
    *label = text;
    return 0;
}

int MenuBuilder::bitmapLabel(char* path, char** label)
{
    *label = path;
    return 0;
}

namespace {

// Joins the three parts into *joined and releases the two taken over.
int join(char* left, const char* middle, char* right, char** joined)
{
    *joined = _strcpy3(left, middle, right);
    free(left);
    free(right);
    return 0;
}

} // namespace

int MenuBuilder::contextAnd(char* left, char* right, char** joined)
{
    return join(left, "&&", right, joined);
}

int MenuBuilder::contextOr(char* left, char* right, char** joined)
{
    return join(left, "||", right, joined);
}

int MenuBuilder::contextParenthesized(char* inner, char** joined)
{
    *joined = _strcpy3("(", inner, ")");
    free(inner);
    return 0;
}

int MenuBuilder::targetAny(char** target)
{
    *target = _strcpy3("any", nullptr, nullptr);
    return 0;
}

int MenuBuilder::targetAnySymbolAlert(char** target)
{
    *target = _strcpy3("symbolalert : any", nullptr, nullptr);
    return 0;
}

int MenuBuilder::targetSymbolAlert(char* name, char** target)
{
    *target = _strcpy3("symbolalert", ":", name);
    free(name);
    return 0;
}

int MenuBuilder::targetAnyOfClass(char* symbolClass, char** target)
{
    *target = _strcpy3(symbolClass, ":", "any");
    free(symbolClass);
    return 0;
}

int MenuBuilder::targetSymbolType(char* symbolClass, char* symbolType, char** target)
{
    return join(symbolClass, ":", symbolType, target);
}
