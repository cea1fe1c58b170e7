#pragma once
// Labels the secondary windows share: the yellow logo heading and the blue
// underlined labels that act as links.

#include <QLabel>

namespace trovanta::ui {

// The yellow, bold italic heading every secondary window carries at its
// top left ("TROVANTA", and the FAQ window's "FAQ").
// pixelHeight 0 gives the usual 14-point logo.
QLabel *logoLabel(QWidget *parent, const char *name, const QString &text, int x, int y, int pixelHeight = 0);

// A label that reads like a link (blue, bold, underlined, hand cursor) and
// reports a click of the left button.
class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    TLinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool pressed_ = false;
};

} // namespace trovanta::ui

using trovanta::ui::TLinkLabel;
