#pragma once

#include <QDialog>

#include <memory>

class Platform;

namespace Ui {
class AboutBox;
}

// The About box (object name "frmAbout"): fixed content, two links, "&OK".
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(Platform& platform, QWidget* parent = nullptr);
    ~AboutBox() override;

private:
    std::unique_ptr<Ui::AboutBox> m_ui;
    Platform& m_platform;
};
