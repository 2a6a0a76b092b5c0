#pragma once

#include "linklabel.h"

// A link label that the keyboard reaches as well: Tab stops on it, Enter or Space
// follows it, and it wears the program's focus frame while it has the keyboard.
// Assistive technology sees a link with a press action, as for any link label.
class KeyboardLink : public LinkLabel {
    Q_OBJECT

public:
    explicit KeyboardLink(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
