#pragma once

#include "links.h"

#include <QDialog>

#include <memory>

namespace Ui {
class AboutBox;
}

// The About box (object name "frmAbout"): fixed content, two links, "&OK".
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;

signals:
    // One of the two links was clicked; the box stays open.
    void linkRequested(Link link);

private:
    std::unique_ptr<Ui::AboutBox> m_ui;
};
