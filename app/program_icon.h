#pragma once

#include <QIcon>

namespace app {

// The program icon, read from the icon file held in the program.
[[nodiscard]] QIcon programIcon();

} // namespace app
