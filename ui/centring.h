// Places a top-level window in the middle of the screen it will show on.
#pragma once

class QWidget;

namespace plumet {

// Left = (screen width - window width) / 2, top = (screen height - window height) / 2.
void centreOnScreen(QWidget* window);

}  // namespace plumet
