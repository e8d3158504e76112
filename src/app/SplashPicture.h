#pragma once

#include <QImage>

namespace sv {

// The 550 × 400 picture behind the start-up splash.
QImage splashPicture();

} // namespace sv
