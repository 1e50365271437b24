#pragma once

#include "surface/raster.hpp"
#include "window/face.hpp"

#include <QIcon>
#include <QImage>

// The pictures the window carries at start, loaded from the resources compiled into
// vantor_assets. Every image comes back in QImage::Format_RGB32, ready to be a surface's
// background or a button's face.
namespace vantor {

// Decodes every picture of the window now, on whichever thread calls it first; the calls below
// then return at once. Needs no QGuiApplication, so it can run while the application connects to
// the display. The icon, no part of the window's first frame, is decoded when first asked for.
void decodePictures();

// 223 x 224: the plan view's background, a black disc with the month names inside its rim.
[[nodiscard]] QImage monthDial();

// 217 x 217: the black disc shown while the plan view is off.
[[nodiscard]] QImage plainDisc();

// 471 x 159: the sky view's background, star dots and a dotted dark-blue line at x = 118.
[[nodiscard]] QImage starField();

// The face of one clock button, 38 to 41 pixels wide and 23 or 24 high.
[[nodiscard]] QImage buttonFace(Face face);

// A picture as the surfaces keep it, and back: every pixel opaque, 0xFFRRGGBB.
[[nodiscard]] Raster rasterOf(const QImage& image);
[[nodiscard]] QImage imageOf(const Raster& raster);

// rasterOf(monthDial()) and rasterOf(starField()), the views' backgrounds. decodePictures makes
// one of each, so that their memory is first written on its thread rather than while the window
// is built; the first call takes that one, any later call makes a new one.
[[nodiscard]] Raster monthDialRaster();
[[nodiscard]] Raster starFieldRaster();

// The window icon in 32, 48, 64, 128 and 256 pixels. Needs a QGuiApplication.
[[nodiscard]] QIcon appIcon();

} // namespace vantor
