// What a drop on the main window names.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

// The first file of the drop, which is then released; "" when it cannot be read. The shell
// library that reads it is loaded at the first drop, so the program starts without it.
std::string FirstDroppedFile(HDROP drop);
