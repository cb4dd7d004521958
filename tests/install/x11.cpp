// The namespace alone: with KIVPARSER_NO_GLOBAL_NAMES the model's names
// (Window, String, Point...) stay out of the global scope, so X11's may
// live there.
#define KIVPARSER_NO_GLOBAL_NAMES
#include <kivparser/kivparser.h>
#include <X11/Xlib.h>

int main()
{
    ::Window xWindow = 0;
    kivparser::Window* mapWindow = nullptr;
    kivparser::String* values = nullptr;
    return static_cast<int>(xWindow) + (mapWindow ? 1 : 0) + (values ? 1 : 0);
}
