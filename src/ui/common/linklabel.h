#pragma once

#include <QLabel>

// A label that reacts to a left click (the input window's slogan); other buttons
// do nothing. It takes no keyboard focus; assistive technology is told it is a
// link and can press it.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A clickable label that looks like a web link: bold, underlined, and a pointing
// hand under the mouse.
class LinkLabel : public ClickableLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);
};
