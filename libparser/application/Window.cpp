#include "kivparser/application/Window.h"

#include "lists/SListOps.h"

#include <cstdlib>

namespace kivparser {

Window::Window() : SList()
{
    _init();
}

Window::Window(char* id) : SList()
{
    _init();
    windowID = id;
}

void Window::_init()
{
    windowID = nullptr;
    type = TSP_NA;
    status = OOF_NA;
    scrollbar = OOF_NA;
    toolbar = OOF_NA;
    location = OOF_NA;
    resizable = OOF_NA;
    width = -1;
    height = -1;
    locked = 0;
}

Window::~Window()
{
    free(windowID);
}

void Window::setType(TypeSpecType value) { SListOps::setValue(locked, type, value); }
void Window::setStatus(OnOffType value) { SListOps::setValue(locked, status, value); }
void Window::setScrollbar(OnOffType value) { SListOps::setValue(locked, scrollbar, value); }
void Window::setToolbar(OnOffType value) { SListOps::setValue(locked, toolbar, value); }
void Window::setLocation(OnOffType value) { SListOps::setValue(locked, location, value); }
void Window::setResizable(OnOffType value) { SListOps::setValue(locked, resizable, value); }
void Window::setWidth(int value) { SListOps::setValue(locked, width, value); }
void Window::setHeight(int value) { SListOps::setValue(locked, height, value); }

} // namespace kivparser
