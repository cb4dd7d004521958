#include "kivparser/application/Window.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void Window::debugDump()
{
    ParseLock lock;
    DumpWriter::open("Window \"%s\" {\n", DumpWriter::str(windowID));
    DumpWriter::line("Type     : %d\n", type);
    DumpWriter::line("Status   : %d\n", status);
    DumpWriter::line("Scrollbar: %d\n", scrollbar);
    DumpWriter::line("Toolbar  : %d\n", toolbar);
    DumpWriter::line("Location : %d\n", location);
    DumpWriter::line("Resizable: %d\n", resizable);
    DumpWriter::line("Width    : %d\n", width);
    DumpWriter::line("Height   : %d\n", height);
    DumpWriter::close();
}

} // namespace kivparser
