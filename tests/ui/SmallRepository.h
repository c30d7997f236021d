#pragma once
// A small repository written for one test: one character "Mia" with seven outfits, so that a row of
// the preview grid fills and wraps, and an overlay with known pixels.
//   "A Coat"   folder missing: not available, first by name
//   "B Dress", "D Skirt", "E Suit", "F Tee", "G Vest": available
//   "C Broken" available, but its preview file holds no picture

#include "TempFolder.h"

#include <QColor>

inline const QColor kPreviewColour(40, 160, 60);
// The overlay: opaque red in rows 0 to 19, half-transparent blue in rows 20 to 39, clear below.
inline const QColor kOverlayOpaque(255, 0, 0, 255);
inline const QColor kOverlayHalf(0, 0, 255, 128);

void WriteSmallRepository(const TempFolder& folder);
