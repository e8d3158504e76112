#pragma once
// The five 18 × 18 mask pictures that mark an empty palette swatch.

#include "settings/OptionValues.h"

#include <QImage>

namespace sv {

QImage maskPicture(SwatchMask mask);

} // namespace sv
