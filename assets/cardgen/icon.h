// The application icon: the four sevens that open every game, fanned on green baize.
#pragma once

#include <QImage>

namespace cardgen {

// A square icon `size` pixels wide with a transparent surround.
QImage appIcon(int size);

}  // namespace cardgen
