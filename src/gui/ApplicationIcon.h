#pragma once

#include <QIcon>

namespace velmora {

// The program's icon, a clay tablet with a group of cuneiform wedges, drawn
// from its SVG resource at the sizes window systems ask for. The main window
// and the tool windows take it as the application's window icon.
QIcon ApplicationIcon();

} // namespace velmora
