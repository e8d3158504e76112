#pragma once
// Colours as people with a colour-vision deficiency see them: protanopia, deuteranopia and
// tritanopia by the matrices of Machado, Oliveira and Fernandes (2009) at full severity,
// applied to linear-light sRGB, and achromatopsia as the colour's relative luminance in grey.
// Results are clamped and encoded back to sRGB, each component rounded to nearest.

#include "color/Color.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace sv {

enum class Vision { Typical, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::array kVisions = {Vision::Typical, Vision::Protanopia, Vision::Deuteranopia,
                                        Vision::Tritanopia, Vision::Achromatopsia};

// "Protanopia" and so on; "None" for typical vision (windows translate the name).
const char* visionName(Vision vision);

ColorValue simulateVision(ColorValue c, Vision vision);

// Simulates each of count pixels in place, Qt's 0xAARRGGBB words; alpha is kept.
void simulateVision(std::uint32_t* pixels, std::size_t count, Vision vision);

} // namespace sv
