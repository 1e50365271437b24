#pragma once

class QAbstractButton;
class QPainter;

namespace vantor {

// Draws the caption of a flat check box or option button from the given left edge, centred
// vertically and cut at the button's right edge, with the focus frame around it when focused.
void paintFlatCaption(QPainter& painter, const QAbstractButton& button, int left);

} // namespace vantor
