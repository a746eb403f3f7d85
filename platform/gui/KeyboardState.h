#pragma once

#include <QChar>

namespace platform {

// Whether the Control key and the given letter key are held down right now. Asked of the X
// server, since no key event reaches a window that did not exist when the keys went down;
// false where there is no X server (offscreen, other window systems).
bool IsControlChordHeld(QChar letter);

} // namespace platform
