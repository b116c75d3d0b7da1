#ifndef CELIDEDLABEL_H
#define CELIDEDLABEL_H

#include <QLabel>

// A one-line label that shows as much of its text as fits and "..." for the
// rest. It asks for no width of its own, so a long record name never pushes
// the buttons beside it off the window; text() stays the whole text, and the
// caller puts it into the tool tip.
class CElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;
    // Whether the text is cut at the label's present width.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // CELIDEDLABEL_H
