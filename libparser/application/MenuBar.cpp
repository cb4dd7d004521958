#include "kivparser/application/MenuBar.h"
#include "application/MenuTrace.h"
#include "application/PrecedencePlacement.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"

#include <climits>
#include <cstdlib>
#include <cwchar>

namespace kivparser {

namespace {

// The locale's longest multibyte character, computed once, at least 1.
size_t maxCharLength()
{
    static size_t length = 0;
    if (!length) {
        length = MB_CUR_MAX;
        if (length < 1)
            length = 1;
    }
    return length;
}

// The first character of `s` as a wide character; 0 when it cannot be read.
wchar_t firstChar(const char* s)
{
    mbstate_t state{};
    wchar_t wc = 0;
    size_t n = mbrtowc(&wc, s, maxCharLength(), &state);
    if (n == static_cast<size_t>(-1) || n == static_cast<size_t>(-2))
        return 0;
    return wc;
}

} // namespace

MenuBar::MenuBar() : _Menu(), mnemonic(nullptr)
{
    menuTrace(menuBarTraceVerbose, "MenuBar::MenuBar(%s)\n", menuID);
}

MenuBar::MenuBar(char* theMenuID) : _Menu(theMenuID), mnemonic(nullptr)
{
    menuTrace(menuBarTraceVerbose, "MenuBar::MenuBar(%s)\n", menuID);
}

MenuBar::~MenuBar()
{
    menuTrace(menuBarTraceVerbose, "MenuBar::~MenuBar(%s)\n", menuID);
    disposeItemsAs<MenuItem>();
    free(mnemonic);
}

MenuItem* MenuBar::refMenuItems()
{
    return refItemsAs<MenuItem>();
}

void MenuBar::setPrecedence(int p)
{
    PrecedencePlacement::keepFirst(precedence, p, MSG_MENUBAR_PRECEDENCE, menuID);
}

void MenuBar::setMnemonic(char* m)
{
    if (!m)
        return;
    if (!mnemonic) {
        mnemonic = m;
        return;
    }
    wchar_t added = firstChar(m);
    wchar_t held = firstChar(mnemonic);
    if (added && held && added != held)
        warning(parserMsg(MSG_MENUBAR_MNEMONIC), menuID, static_cast<int>(added), static_cast<int>(held));
    free(m);
}

} // namespace kivparser
