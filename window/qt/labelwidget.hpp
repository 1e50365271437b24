#pragma once

#include <QFrame>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QTextLayout;

namespace vantor {

class Label;

// The view of one label of the model: its text and its single-line border follow the model. It
// paints its own background, and a new text repaints only the pixels the old and the new text
// cover, so the date written at every tick repaints neither the frame beneath the label nor the
// step options whose bottom rows overlap its top.
class LabelWidget : public QFrame {
public:
    LabelWidget(Label& label, std::function<void()> afterAction, QWidget* parent);

    [[nodiscard]] const QString& text() const { return m_text; }
    [[nodiscard]] Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    // The rectangle, in the label's pixels, that holds every pixel the text may draw.
    [[nodiscard]] QRect inkRect(const QString& text) const;

    // A label whose text changes often but is made of a few pieces (the date: a month's name and
    // a day) lays each piece out once, up to and including the last space and after it, and
    // draws a new text from the two kept pieces: the same pixels as laying the whole text out
    // again. A text whose pieces do not join exactly as the whole text lays out (a pair kerned
    // across them, a right-to-left script) is drawn whole. When only the second piece changes
    // and the text keeps its width (a new day in the same month), only the columns of the old
    // and new second piece are repainted, and the second piece is copied from a kept picture of
    // its pixels: the font engine draws a glyph at only a few places between two device pixels,
    // so a day comes back at the same places within seconds of running the clock.
    void setDrawnInPieces(bool pieces);

    // The rectangle, in the label's pixels, that a change of text from one to the other repaints.
    [[nodiscard]] QRect repaintedRect(const QString& from, const QString& to) const;

    // How many pictures of the second piece are kept (see `drawKeptPicture`).
    [[nodiscard]] qsizetype keptPictures() const { return m_pictures.size(); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One piece of a text drawn in pieces: laid out on one line at the origin.
    struct Piece {
        QString text;
        std::shared_ptr<QTextLayout> layout;
        // The pen's advance over the piece, a trailing space included.
        qreal advance = 0;
        // Its width without a trailing space, as a line's width is measured.
        qreal width = 0;
        qreal height = 0;
        // The rows its glyphs cover around the baseline (top, bottom); none when a combining mark
        // may draw anywhere in the label.
        std::optional<std::pair<qreal, qreal>> rows;
        // The columns its glyphs cover from its origin.
        qreal inkLeft = 0;
        qreal inkRight = 0;
        // Whether it joins the other pieces as the whole text lays out.
        bool joins = false;
        // Each glyph's outline where the line puts it, with the glyph, for telling which glyphs
        // two texts of the same width draw alike.
        struct Glyph {
            quint32 index = 0;
            QPointF position;
            QRectF ink;
            QRawFont font;
            bool operator==(const Glyph&) const = default;
        };
        std::vector<Glyph> glyphs;
    };
    struct Pieces {
        Piece head;
        Piece tail;
    };

    void showLabel();
    // The text's two kept pieces, laid out now if new, when the label draws in pieces and the
    // pieces join exactly.
    [[nodiscard]] std::optional<Pieces> piecesOf(const QString& text) const;
    [[nodiscard]] Piece layOut(const QString& text) const;
    [[nodiscard]] bool joinExactly(const QString& text, const Piece& head, const Piece& tail) const;
    // Where a text in pieces starts, in the normal size's pixels: where one line of the whole
    // text would.
    [[nodiscard]] QPointF originOf(const Pieces& pieces) const;
    // The label's columns, in its pixels, that a piece placed at `left` (normal size) may draw.
    [[nodiscard]] QRect columnsOf(const Piece& piece, qreal left) const;
    [[nodiscard]] QRect columnsOf(qreal inkLeft, qreal inkRight, qreal left) const;
    // The changed columns when the text changes from one to the other: the whole label unless
    // only the second piece changed and the text kept its width, then the columns of the
    // second piece's glyphs that differ.
    [[nodiscard]] QRect changedColumns(const std::optional<Pieces>& before,
                                       const std::optional<Pieces>& after) const;
    [[nodiscard]] QRect inkRectOf(const QString& text, const std::optional<Pieces>& pieces) const;
    void drawText(QPainter& painter, const QRegion& region) const;
    // Copies the second piece's kept device pixels, its glyphs drawn on the background, where
    // drawing its glyphs would put them; false, drawing nothing, when the painter is not a plain
    // scaled raster image or the picture would cover pixels of the first piece or the border.
    bool drawKeptPicture(QPainter& painter, const Pieces& pieces, QPointF origin) const;
    // For each 64th of a device pixel, the first 64th that the font engine draws a glyph at alike
    // (it draws at a few places between pixels, not at any): measured once for a scale and an
    // image format (the pictures' context), with the glyphs of `piece`.
    [[nodiscard]] const std::vector<int>& placesBetweenPixels(const Piece& piece, int scale,
                                                              QImage::Format format) const;
    // Where the text goes, in the normal size's pixels.
    [[nodiscard]] QRect textArea() const;

    Label& m_label;
    std::function<void()> m_afterAction;
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Where the text draws at the label's size, once measured (a new size, border or alignment
    // measures it again when the label is next painted).
    QRect m_inkRect;
    bool m_inkKnown = false;
    bool m_inPieces = false;
    // The pieces of the text shown, when it is drawn in pieces.
    std::optional<Pieces> m_pieces;
    mutable QHash<QString, Piece> m_heads;
    mutable QHash<QString, Piece> m_tails;
    // The second pieces' pictures, kept by the piece's text and its glyphs' places between device
    // pixels, side by side in one image with a painter kept on it, for one scale, image format,
    // pair of colours and row (the day's row stays as the date changes): another of these starts
    // them again.
    struct PictureKey {
        QString text;
        std::array<int, 4> places{};
        bool operator==(const PictureKey&) const = default;
        friend size_t qHash(const PictureKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.text, key.places[0], key.places[1], key.places[2],
                              key.places[3]);
        }
    };
    struct PictureContext {
        int scale = 0;
        QImage::Format format = QImage::Format_Invalid;
        QRgb pen = 0;
        QRgb background = 0;
        int row = 0;
        bool operator==(const PictureContext&) const = default;
    };
    struct Picture {
        // Its place among the pictures.
        QRect kept;
        // Its top-left device pixel in the label, from the first glyph's whole pixel.
        QPoint offset;
    };
    void forgetPictures() const;
    mutable PictureContext m_pictureContext;
    mutable QHash<PictureKey, Picture> m_pictures;
    mutable QImage m_kept;
    mutable std::unique_ptr<QPainter> m_keeping;
    mutable QSize m_slot;
    // The font engine's places between pixels for the pictures' scale and image format.
    mutable std::vector<int> m_places;
};

} // namespace vantor
