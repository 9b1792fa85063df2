#pragma once

#include "core/ProgramFolders.h"

namespace halvex::ui {

// The program's folders for this run: the executable's own, the installed data folder
// beside it in the install tree, and the desktop's user folders. Needs the application
// object, whose name the user folders carry.
ProgramFolders locateProgramFolders();

} // namespace halvex::ui
