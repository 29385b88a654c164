#pragma once
// Who the program is to the desktop: its name, the application id that ties
// its windows to the menu entry, and the icon every window shows.

class QIcon;

namespace Identity {

// Sets the application's version, its desktop entry and the window icon of
// every window. Call once, right after the QApplication exists.
void Set_Application_Identity();

// The program's icon in every size it is rendered in.
QIcon Application_Icon();

} // namespace Identity
