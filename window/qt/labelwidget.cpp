#include "window/qt/labelwidget.hpp"

#include "window/label.hpp"
#include "window/qt/zoom.hpp"

#include <QAccessible>
#include <QEvent>
#include <QGlyphRun>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <utility>
#include <vector>

namespace vantor {

namespace {

// Pixels beyond the whole pixels around a glyph's outline that its drawing may touch, in the
// normal size's pixels, on each side.
constexpr int inkMargin = 1;

// The date's texts are twelve months' names and thirty-one days: far fewer pieces than this are
// kept, and a label whose texts have more starts again.
constexpr qsizetype keptPieces = 64;

// Thirty-one days at the few places between pixels the font engine draws them at come to far
// fewer pictures than this; a label that needs more starts again.
constexpr qsizetype keptPicturesAtMost = 256;
constexpr int picturesInARow = 16;

// Device pixels beyond the whole pixels around a glyph's outline that its drawing may touch.
constexpr int pictureMargin = 1;

int floorDivide(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// One line at the origin, laid out once and kept with its glyphs, as a label's text is drawn.
std::shared_ptr<QTextLayout> lineOf(const QString& text, const QFont& font,
                                    const QPaintDevice* device) {
    auto layout = std::make_shared<QTextLayout>(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    layout->createLine().setPosition(QPointF(0, 0));
    layout->endLayout();
    return layout;
}

struct PlacedGlyph {
    quint32 index;
    QPointF position;
    QRawFont font;
    bool operator==(const PlacedGlyph&) const = default;
};

void appendGlyphs(std::vector<PlacedGlyph>& glyphs, const QTextLayout& layout, qreal shift) {
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype at = 0; at < indexes.size() && at < positions.size(); ++at) {
            glyphs.push_back({indexes[at], positions[at] + QPointF(shift, 0), run.rawFont()});
        }
    }
}

// The rows a text's characters cover around the baseline, top and bottom; none for a text with
// a combining mark or a surrogate, which may draw anywhere in the label.
std::optional<std::pair<qreal, qreal>> inkRows(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    qreal top = 0;
    qreal bottom = 0;
    for (const QChar character : text) {
        if (character.isMark() || character.isSurrogate()) {
            return std::nullopt;
        }
        const QRectF glyph = metrics.boundingRect(character);
        top = std::min(top, glyph.top());
        bottom = std::max(bottom, glyph.bottom());
    }
    return std::pair{top, bottom};
}

} // namespace

LabelWidget::LabelWidget(Label& label, std::function<void()> afterAction, QWidget* parent)
    : QFrame(parent), m_label(label), m_afterAction(std::move(afterAction)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
    showLabel();
    m_label.onChanged([this] { showLabel(); });
}

void LabelWidget::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    m_inkKnown = false;
    update();
}

void LabelWidget::setDrawnInPieces(bool pieces) {
    m_inPieces = pieces;
    m_pieces = piecesOf(m_text);
    update();
}

void LabelWidget::resizeEvent(QResizeEvent* event) {
    m_inkKnown = false;
    QFrame::resizeEvent(event);
}

void LabelWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_heads.clear();
        m_tails.clear();
        forgetPictures();
        m_places.clear();
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange) {
        m_pieces = piecesOf(m_text);
        m_inkKnown = false;
    }
    QFrame::changeEvent(event);
}

LabelWidget::Piece LabelWidget::layOut(const QString& text) const {
    Piece piece;
    piece.text = text;
    piece.layout = lineOf(text, font(), this);
    const QTextLine line = piece.layout->lineAt(0);
    piece.advance = line.horizontalAdvance();
    piece.width = line.naturalTextWidth();
    piece.height = line.height();
    // Each glyph's outline where the line puts it (a run's own rectangle spans the advances).
    std::vector<PlacedGlyph> glyphs;
    appendGlyphs(glyphs, *piece.layout, 0);
    QRectF ink;
    for (const PlacedGlyph& glyph : glyphs) {
        const QRectF outline = glyph.font.boundingRect(glyph.index).translated(glyph.position);
        ink |= outline;
        piece.glyphs.push_back({glyph.index, glyph.position, outline, glyph.font});
    }
    piece.inkLeft = ink.left();
    piece.inkRight = ink.right();
    piece.rows = inkRows(text, font());
    return piece;
}

// The two pieces, the second placed at the first's advance, give the glyphs, places and line of
// the whole text laid out at once.
bool LabelWidget::joinExactly(const QString& text, const Piece& head, const Piece& tail) const {
    const std::shared_ptr<QTextLayout> whole = lineOf(text, font(), this);
    const QTextLine line = whole->lineAt(0);
    if (line.height() != head.height || tail.height != head.height ||
        line.naturalTextWidth() != head.advance + tail.width) {
        return false;
    }
    std::vector<PlacedGlyph> laidOut;
    appendGlyphs(laidOut, *whole, 0);
    std::vector<PlacedGlyph> joined;
    appendGlyphs(joined, *head.layout, 0);
    appendGlyphs(joined, *tail.layout, head.advance);
    return laidOut == joined;
}

std::optional<LabelWidget::Pieces> LabelWidget::piecesOf(const QString& text) const {
    if (!m_inPieces || layoutDirection() != Qt::LeftToRight) {
        return std::nullopt;
    }
    const qsizetype space = text.lastIndexOf(QChar(' '));
    if (space < 0 || space + 1 >= text.size()) {
        return std::nullopt;
    }
    const QString headText = text.left(space + 1);
    const QString tailText = text.mid(space + 1);
    auto head = m_heads.find(headText);
    auto tail = m_tails.find(tailText);
    const bool newHead = head == m_heads.end();
    const bool newTail = tail == m_tails.end();
    if (newHead) {
        if (m_heads.size() >= keptPieces) {
            m_heads.clear();
        }
        head = m_heads.insert(headText, layOut(headText));
    }
    if (newTail) {
        if (m_tails.size() >= keptPieces) {
            m_tails.clear();
        }
        tail = m_tails.insert(tailText, layOut(tailText));
    }
    // A new piece is checked once, against the whole text it first comes in.
    if (newHead || newTail) {
        const bool joins = joinExactly(text, *head, *tail);
        head->joins = newHead ? joins : head->joins;
        tail->joins = newTail ? joins : tail->joins;
    }
    if (!head->joins || !tail->joins) {
        return std::nullopt;
    }
    return Pieces{*head, *tail};
}

QPointF LabelWidget::originOf(const Pieces& pieces) const {
    const QRect area = textArea();
    const qreal width = pieces.head.advance + pieces.tail.width;
    const qreal height = pieces.head.height;
    QPointF origin = area.topLeft();
    if (m_alignment & Qt::AlignHCenter) {
        origin.rx() += (area.width() - width) / 2;
    } else if (m_alignment & Qt::AlignRight) {
        origin.rx() += area.width() - width;
    }
    if (m_alignment & Qt::AlignVCenter) {
        origin.ry() += (area.height() - height) / 2;
    } else if (m_alignment & Qt::AlignBottom) {
        origin.ry() += area.height() - height;
    }
    return origin;
}

QRect LabelWidget::columnsOf(const Piece& piece, qreal left) const {
    return columnsOf(piece.inkLeft, piece.inkRight, left);
}

QRect LabelWidget::columnsOf(qreal inkLeft, qreal inkRight, qreal left) const {
    const int zoom = zoomOf(*this);
    const int first = qFloor(left + inkLeft) - inkMargin;
    const int last = qCeil(left + inkRight) + inkMargin;
    return QRect(first * zoom, 0, (last - first + 1) * zoom, height());
}

QRect LabelWidget::changedColumns(const std::optional<Pieces>& before,
                                  const std::optional<Pieces>& after) const {
    const QRect whole(0, 0, width(), height());
    if (!before || !after || before->head.layout != after->head.layout ||
        before->tail.width != after->tail.width) {
        return whole;
    }
    const qreal tailLeft = originOf(*after).x() + after->head.advance;
    const std::vector<Piece::Glyph>& old = before->tail.glyphs;
    const std::vector<Piece::Glyph>& now = after->tail.glyphs;
    if (old.size() != now.size()) {
        return (columnsOf(before->tail, tailLeft) | columnsOf(after->tail, tailLeft)) & whole;
    }
    // A glyph drawn alike at the same place keeps its pixels: a new day whose tens stay repaints
    // the units alone.
    QRect changed;
    for (std::size_t at = 0; at < now.size(); ++at) {
        if (old[at] != now[at]) {
            changed |= columnsOf(old[at].ink.left(), old[at].ink.right(), tailLeft) |
                       columnsOf(now[at].ink.left(), now[at].ink.right(), tailLeft);
        }
    }
    return changed & whole;
}

QRect LabelWidget::repaintedRect(const QString& from, const QString& to) const {
    const std::optional<Pieces> before = piecesOf(from);
    const std::optional<Pieces> after = piecesOf(to);
    return (inkRectOf(from, before) | inkRectOf(to, after)) & changedColumns(before, after);
}

void LabelWidget::drawText(QPainter& painter, const QRegion& region) const {
    const std::optional<Pieces>& pieces = m_pieces;
    const QRect area = textArea();
    const QPointF origin = pieces ? originOf(*pieces) : QPointF();
    // A text larger than its area is drawn whole, cut at the area's edge.
    if (!pieces ||
        !QRectF(area).contains(QRectF(
            origin, QSizeF(pieces->head.advance + pieces->tail.width, pieces->head.height)))) {
        painter.drawText(area, static_cast<int>(m_alignment), m_text);
        return;
    }
    // A piece whose columns lie outside the repainted region is left as it is. The second is
    // copied from its kept picture once a new second piece alone has been repainted (the first
    // painting does not wait for the font engine's places between pixels to be measured).
    const QPointF tailOrigin = origin + QPointF(pieces->head.advance, 0);
    const bool headRepainted = region.intersects(columnsOf(pieces->head, origin.x()));
    if (headRepainted) {
        pieces->head.layout->draw(&painter, origin);
    }
    if (region.intersects(columnsOf(pieces->tail, tailOrigin.x())) &&
        ((headRepainted && m_places.empty()) || !drawKeptPicture(painter, *pieces, origin))) {
        pieces->tail.layout->draw(&painter, tailOrigin);
    }
}

const std::vector<int>& LabelWidget::placesBetweenPixels(const Piece& piece, int scale,
                                                         QImage::Format format) const {
    if (!m_places.empty()) {
        return m_places;
    }
    // The piece's glyphs side by side, each at a whole number of device pixels from the one
    // before, all shifted by one 64th of a pixel more at each drawing: two shifts drawn alike
    // are one place for the font engine.
    QRectF ink;
    for (const Piece::Glyph& glyph : piece.glyphs) {
        ink |= glyph.ink.translated(-glyph.position);
    }
    const int spacing = qCeil(ink.width()) + 2 * pictureMargin;
    const int left = qCeil(-ink.left()) + pictureMargin;
    const int top = qCeil(-ink.top()) + pictureMargin;
    const int band = (qCeil(ink.height()) + 2 * pictureMargin) * scale;
    constexpr int shifts = 128;
    QImage drawn((spacing * static_cast<int>(piece.glyphs.size()) + 2) * scale, band * shifts,
                 format);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setPen(Qt::black);
    for (int shift = 0; shift < shifts; ++shift) {
        painter.setTransform(QTransform(scale, 0, 0, scale, shift / 64.0, band * shift));
        int at = 0;
        for (const Piece::Glyph& glyph : piece.glyphs) {
            QGlyphRun run;
            run.setRawFont(glyph.font);
            run.setGlyphIndexes({glyph.index});
            run.setPositions({QPointF(left + spacing * at, top)});
            painter.drawGlyphRun(QPointF(), run);
            ++at;
        }
    }
    painter.end();
    const auto bandOf = [&](int shift) {
        return QByteArrayView(drawn.constScanLine(band * shift), drawn.bytesPerLine() * band);
    };
    // Shifts 64 to 127 tell each 64th of a pixel by the first shift drawn alike.
    m_places.assign(64, 0);
    for (int shift = 64; shift < shifts; ++shift) {
        int first = shift;
        while (first > 0 && bandOf(first - 1) == bandOf(shift)) {
            --first;
        }
        m_places[shift - 64] = first - 64;
    }
    return m_places;
}

bool LabelWidget::drawKeptPicture(QPainter& painter, const Pieces& pieces, QPointF origin) const {
    const QTransform device = painter.deviceTransform();
    const qreal scale = device.m11();
    QPaintEngine* engine = painter.paintEngine();
    if (device.type() > QTransform::TxScale || scale != device.m22() || scale < 1 ||
        scale != std::round(scale) || device.dx() != std::round(device.dx()) ||
        device.dy() != std::round(device.dy()) || engine == nullptr ||
        engine->type() != QPaintEngine::Raster || engine->paintDevice() == nullptr ||
        engine->paintDevice()->devType() != QInternal::Image) {
        return false;
    }
    const auto* target = static_cast<const QImage*>(engine->paintDevice());
    const QImage::Format format = target->format();
    const Piece& tail = pieces.tail;
    const QPointF tailOrigin = origin + QPointF(pieces.head.advance, 0);
    if (tail.glyphs.empty() || tail.glyphs.size() > PictureKey{}.places.size()) {
        return false;
    }
    const int wholeScale = static_cast<int>(scale);
    const PictureContext context{wholeScale, format, painter.pen().color().rgba(),
                                 palette().color(QPalette::Window).rgba(),
                                 qRound(tailOrigin.y() * scale * 64)};
    if (!(context == m_pictureContext)) {
        // The places between pixels are measured again for the new scale and image format.
        forgetPictures();
        m_places.clear();
        m_pictureContext = context;
    }
    const std::vector<int>& places = placesBetweenPixels(tail, wholeScale, format);
    // Each glyph's place in 64ths of the label's device pixels, as the font engine takes it,
    // from the first glyph's whole pixel.
    PictureKey key{tail.text};
    int whole = 0;
    for (std::size_t at = 0; at < tail.glyphs.size(); ++at) {
        const int sixtyFourths =
            qFloor((tailOrigin.x() + tail.glyphs[at].position.x()) * scale * 64);
        const int pixel = floorDivide(sixtyFourths, 64);
        const int place = places[sixtyFourths - pixel * 64] + pixel * 64;
        if (at == 0) {
            whole = floorDivide(place, 64);
        }
        key.places[at] = place - whole * 64;
    }

    auto picture = m_pictures.find(key);
    QRect placed;
    if (picture != m_pictures.end()) {
        placed = QRect(picture->offset + QPoint(whole, 0), picture->kept.size());
    } else {
        // The device pixels the glyphs may touch.
        QRectF ink;
        for (const Piece::Glyph& glyph : tail.glyphs) {
            ink |= glyph.ink;
        }
        placed = QRect(QPoint(qFloor((tailOrigin.x() + ink.left()) * scale) - pictureMargin,
                              qFloor((tailOrigin.y() + ink.top()) * scale) - pictureMargin),
                       QPoint(qCeil((tailOrigin.x() + ink.right()) * scale) - 1 + pictureMargin,
                              qCeil((tailOrigin.y() + ink.bottom()) * scale) - 1 + pictureMargin));
    }
    // Nothing else may draw where the picture goes: the first piece's columns and the border
    // stay clear of it.
    QRectF area = QRectF(textArea());
    area = QRectF(area.topLeft() * scale, area.size() * scale);
    const int headRight = qCeil((origin.x() + pieces.head.inkRight) * scale) - 1 + pictureMargin;
    if (!area.contains(QRectF(placed)) || placed.left() <= headRight) {
        return false;
    }
    if (picture == m_pictures.end()) {
        if (m_pictures.size() >= keptPicturesAtMost) {
            forgetPictures();
        }
        if (m_kept.isNull()) {
            // Room for pictures a little larger than the first.
            m_slot = placed.size() + QSize(2, 2) * wholeScale;
            m_kept = QImage(m_slot.width() * picturesInARow,
                            m_slot.height() * (keptPicturesAtMost / picturesInARow), format);
            m_keeping = std::make_unique<QPainter>(&m_kept);
        }
        if (placed.width() > m_slot.width() || placed.height() > m_slot.height()) {
            return false;
        }
        const int index = static_cast<int>(m_pictures.size());
        const QRect kept(QPoint(index % picturesInARow * m_slot.width(),
                                index / picturesInARow * m_slot.height()),
                         placed.size());
        QPainter& keeping = *m_keeping;
        keeping.resetTransform();
        keeping.setClipRect(kept);
        keeping.setCompositionMode(QPainter::CompositionMode_Source);
        keeping.fillRect(kept, palette().color(QPalette::Window));
        keeping.setCompositionMode(QPainter::CompositionMode_SourceOver);
        keeping.setTransform(
            QTransform(scale, 0, 0, scale, kept.left() - placed.left(), kept.top() - placed.top()));
        keeping.setPen(painter.pen());
        tail.layout->draw(&keeping, tailOrigin);
        picture = m_pictures.insert(key, {kept, placed.topLeft() - QPoint(whole, 0)});
    }
    const QTransform world = painter.worldTransform();
    const qreal ratio = scale / world.m11();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(placed.topLeft(), m_kept, picture->kept);
    painter.setCompositionMode(mode);
    painter.setWorldTransform(world);
    return true;
}

void LabelWidget::forgetPictures() const {
    m_pictures.clear();
    m_keeping.reset();
    m_kept = QImage();
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
    m_label.mouseMove();
    m_afterAction();
    QFrame::mouseMoveEvent(event);
}

QRect LabelWidget::textArea() const {
    const int zoom = zoomOf(*this);
    QRect area(0, 0, width() / zoom, height() / zoom);
    if (frameShape() == QFrame::Box) {
        // Left-aligned text keeps half an x's width from a border, as a bordered label does.
        const int indent =
            (m_alignment & Qt::AlignLeft) ? fontMetrics().horizontalAdvance('x') / 2 : 0;
        area.adjust(1 + indent, 1, -1, -1);
    }
    return area;
}

QRect LabelWidget::inkRect(const QString& text) const {
    return inkRectOf(text, piecesOf(text));
}

QRect LabelWidget::inkRectOf(const QString& text, const std::optional<Pieces>& pieces) const {
    if (text.isEmpty()) {
        return {};
    }
    const int zoom = zoomOf(*this);
    const QRect whole(0, 0, width(), height());
    // The rows the characters' glyphs cover around the baseline, placed as the text is drawn,
    // across the label's whole width. A combining mark is placed by the shaping, not where its
    // glyph alone would go: such a text repaints the whole label.
    std::optional<std::pair<qreal, qreal>> rows;
    if (!pieces) {
        rows = inkRows(text, font());
    } else if (pieces->head.rows && pieces->tail.rows) {
        rows = std::pair{std::min(pieces->head.rows->first, pieces->tail.rows->first),
                         std::max(pieces->head.rows->second, pieces->tail.rows->second)};
    }
    if (!rows) {
        return whole;
    }
    const auto [top, bottom] = *rows;
    const QFontMetricsF metrics(font());
    const QRect area = textArea();
    qreal lineTop = area.top();
    if (m_alignment & Qt::AlignVCenter) {
        lineTop += (area.height() - metrics.height()) / 2;
    } else if (m_alignment & Qt::AlignBottom) {
        lineTop += area.height() - metrics.height();
    }
    const int baseline = qRound(lineTop + metrics.ascent());
    const int first = baseline + qFloor(top);
    const int last = baseline + qCeil(bottom);
    return QRect(0, first * zoom, width(), (last - first + 1) * zoom) & whole;
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    if (frameShape() == QFrame::Box) {
        drawOutline(painter, QRect(0, 0, width() / zoom, height() / zoom),
                    palette().color(QPalette::WindowText));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    drawText(painter, event->region());
    if (!m_inkKnown) {
        m_inkRect = inkRectOf(m_text, m_pieces);
        m_inkKnown = true;
    }
}

void LabelWidget::showLabel() {
    // Only what changed is set again: a new border repaints the label, a new text the pixels
    // that text and the one before it cover.
    const int shape = m_label.borderStyle() == 1 ? QFrame::Box : QFrame::NoFrame;
    if (frameShape() != shape) {
        setFrameStyle(shape | QFrame::Plain);
        m_inkKnown = false;
    }
    const QString caption = QString::fromStdString(m_label.caption());
    if (caption == m_text) {
        return;
    }
    // A hidden label is painted whole when it is shown: its text is not measured before. The new
    // text's ink, measured here, is where it will draw when painted.
    std::optional<Pieces> pieces = piecesOf(caption);
    if (isVisible()) {
        const QRect ink = inkRectOf(caption, pieces);
        update(m_inkKnown ? (m_inkRect | ink) & changedColumns(m_pieces, pieces) : rect());
        m_inkRect = ink;
        m_inkKnown = true;
    } else {
        m_inkKnown = false;
    }
    m_text = caption;
    m_pieces = std::move(pieces);
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace vantor
