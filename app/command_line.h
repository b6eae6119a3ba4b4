// The file the program is asked to open at start ("Open with", or a name typed after the
// program's own): the whole command line, spaces allowed, or the part between quotes.
#pragma once

#include <string>

// "" when the command line names nothing.
std::string FileFromCommandLine(const char* commandLine);
