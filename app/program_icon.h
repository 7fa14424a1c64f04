// The program's own picture, a basket with a leaf: on the main window, on every
// dialog and window it opens, and in the desktop's window list.
#pragma once

class QIcon;

namespace pantrix {

// Compiled into the program in the sizes a desktop asks for, so it shows also
// when the program runs from its build folder.
QIcon ProgramIcon();

// Gives every window the program opens from now on the icon, and tells the
// desktop which of its entries the windows belong to.
void UseProgramIcon();

} // namespace pantrix
