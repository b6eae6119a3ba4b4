// The command that deletes the stored settings.
#pragma once

#include "app/shell.h"

// Asks first; Yes deletes the stored settings and keeps them from being written at exit.
void OnEditDeleteSettings(Shell& shell);
