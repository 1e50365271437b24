#pragma once

#include "color.hpp"
#include "figurecache.hpp"
#include "figureraster.hpp"
#include "raster.hpp"
#include "scalemapping.hpp"

#include <cstdint>
#include <vector>

namespace vantor {

enum class DrawMode { Copy, Xor };
enum class DrawStyle { Solid, Dotted };
enum class FillStyle { Solid, Transparent };

// A rectangle of pixels: its left column, top row and size.
struct PixelRect {
    int left{0};
    int top{0};
    int width{0};
    int height{0};
};

// One picture surface of the window: a fixed-size block of pixels over a background picture, drawn
// on in user coordinates with a pen whose state stays until changed.
//
// Every figure is rasterised into its set of pixels first and then combined with the image in one
// pass, each pixel exactly once. With the exclusive-or pen, drawing an identical figure twice
// therefore restores every pixel, whatever lies beneath and whatever else was drawn in between;
// this is how the views move and erase their figures.
class Surface {
public:
    // The surface takes its size from the background picture.
    explicit Surface(Raster background);
    // A white surface of the given size in pixels.
    explicit Surface(int width, int height);

    [[nodiscard]] int width() const { return m_image.width(); }
    [[nodiscard]] int height() const { return m_image.height(); }
    [[nodiscard]] const ScaleMapping& mapping() const { return m_mapping; }

    void setScaleLeft(float left) { m_mapping.setScaleLeft(left); }
    void setScaleTop(float top) { m_mapping.setScaleTop(top); }
    void setScaleWidth(float width) { m_mapping.setScaleWidth(width); }
    void setScaleHeight(float height) { m_mapping.setScaleHeight(height); }

    void setDrawMode(DrawMode mode) { m_drawMode = mode; }
    // Pen widths outside 1..4 pixels are clamped into that range.
    void setDrawWidth(int width);
    void setDrawStyle(DrawStyle style) { m_drawStyle = style; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    void setFillColor(Color color) { m_fillColor = color; }
    [[nodiscard]] DrawMode drawMode() const { return m_drawMode; }
    [[nodiscard]] int drawWidth() const { return m_drawWidth; }
    [[nodiscard]] DrawStyle drawStyle() const { return m_drawStyle; }
    [[nodiscard]] FillStyle fillStyle() const { return m_fillStyle; }
    [[nodiscard]] Color fillColor() const { return m_fillColor; }

    // Radius in horizontal user units; the circle is round on screen whatever the two scales.
    // With a solid fill style the inside takes the fill colour and the outline the given colour.
    void Circle(double x, double y, double radius, Color color);
    void Line(double x1, double y1, double x2, double y2, Color color);
    // A square dot drawWidth() pixels across; one centred exactly on the right or bottom edge
    // shows in the last column or row.
    void PSet(double x, double y, Color color);
    // Back to the background picture.
    void Cls();

    // The current content. Its memory stays in place for the surface's life, so a binding may
    // show it without copying.
    [[nodiscard]] const Raster& Image() const { return m_image; }
    [[nodiscard]] const Raster& Picture() const { return m_picture; }
    // A new background, cut to the surface size (any part it does not cover is white); the
    // surface is cleared to it.
    void setPicture(const Raster& picture);
    // The current content becomes the background that Cls returns to.
    void keepImageAsPicture();

    // Grows whenever the pixels of Image() may have changed.
    [[nodiscard]] std::uint64_t changeCount() const { return m_changeCount; }

    // The rectangles that hold every pixel written since the last call, few and not
    // overlapping, so that a view repaints only those; the record then starts afresh.
    [[nodiscard]] std::vector<PixelRect> takeChangedRects();

private:
    // Combines spans, moved by (dx, dy) pixels, with the image; clip cuts them to the surface.
    void applySpans(const std::vector<PixelSpan>& spans, std::int64_t dx, std::int64_t dy,
                    bool clip, Pixel pen, Pixel fill);
    void applyFigure(const CachedFigure& figure, std::int64_t dx, std::int64_t dy, bool clip,
                     Color penColor);
    void applyFigure(Color penColor) {
        applySpans(m_raster.spans(), 0, 0, false, toPixel(penColor), toPixel(m_fillColor));
    }

    Raster m_image;
    Raster m_picture;
    ScaleMapping m_mapping;
    FigureRaster m_raster;
    // Circle shapes are rasterised about the centre pixel of this raster, unclipped.
    FigureRaster m_shapeRaster;
    FigureCache m_cache;
    DrawMode m_drawMode{DrawMode::Copy};
    DrawStyle m_drawStyle{DrawStyle::Solid};
    FillStyle m_fillStyle{FillStyle::Transparent};
    int m_drawWidth{1};
    Color m_fillColor{0};
    // Notes pixels written within the rectangle (inclusive bounds, inside the surface).
    void noteChanged(int left, int top, int right, int bottom);

    std::uint64_t m_changeCount{0};
    std::vector<PixelRect> m_changed;
};

} // namespace vantor
