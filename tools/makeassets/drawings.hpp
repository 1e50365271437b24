#pragma once

#include "window/face.hpp"

#include <QImage>

// The pictures the window carries, drawn from their descriptions. Every drawing is
// deterministic: the same program always produces the same pixels.
namespace vantor::makeassets {

using vantor::Face;

// 223 x 224: black disc (diameter 216, centred on pixel 110.5, 111.5) with the month names.
[[nodiscard]] QImage drawMonthDial();

// 217 x 217: black disc filling the square, white corners.
[[nodiscard]] QImage drawPlainDisc();

// 471 x 159: white star dots on black with a dotted dark-blue line at x = 118.
[[nodiscard]] QImage drawStarField();

// One raised grey clock-button face with its black (or greyed) symbol; Face::None gives a null
// image.
[[nodiscard]] QImage drawButtonFace(Face face);

// The program icon at size x size pixels; 32 gives the 16-colour look, larger sizes are
// drawn smooth at their own size.
[[nodiscard]] QImage drawIcon(int size);

} // namespace vantor::makeassets
