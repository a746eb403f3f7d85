#pragma once

#include <QIcon>

namespace vokg {

// The program's icon for its windows, painted at 16, 24, 32, 48, 64 and 128 pixels. It is the
// drawing of app/desktop/VOKG_SET.svg (the icon the desktop shows), made with the same shapes on the same
// 64-unit grid: the window system here reads no SVG, and a change to one belongs in the other.
QIcon ProgramIcon();

} // namespace vokg
