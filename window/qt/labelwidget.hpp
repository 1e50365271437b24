#pragma once

#include <QFrame>
#include <QString>
#include <functional>

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

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showLabel();
    // Where the text goes, in the normal size's pixels.
    [[nodiscard]] QRect textArea() const;

    Label& m_label;
    std::function<void()> m_afterAction;
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Where the text has drawn when the label was last painted.
    QRect m_inkRect;
};

} // namespace vantor
