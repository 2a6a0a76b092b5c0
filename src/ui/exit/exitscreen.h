#pragma once

#include "links.h"

#include <QString>
#include <QWidget>

#include <memory>

class Platform;

namespace Ui {
class ExitScreen;
}

// The exit screen (object name "frmNagScreen2"): a support appeal, the publisher's
// other software and the "Refer A Friend" form. The only window that ends the program.
class ExitScreen : public QWidget {
    Q_OBJECT

public:
    // Loading seeds the generator, picks one of the four support texts and makes
    // the window stay above other programs' windows; "E&xit" holds the focus.
    explicit ExitScreen(Platform& platform, QWidget* parent = nullptr);
    ~ExitScreen() override;

    // Index of the support text chosen at load (0..3).
    int supportTextIndex() const { return m_supportText; }

signals:
    // "E&xit" or the close box: the program must end.
    void endRequested();
    // The check box or the catalogue link: a page to open.
    void linkRequested(Link link);
    // "Refer A Friend &Now" with values that passed every check.
    void referralSubmitted(const ReferralValues& values);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The placeholder of one of the form's five boxes, or nothing for other objects.
    QString placeholderOf(const QObject* box) const;
    QString boxText(const QObject* box) const;
    void setBoxText(QObject* box, const QString& text);
    bool rejectSpace(QWidget* box);
    void submit();
    void visitForum(bool ticked);
    void requestEnd();

    std::unique_ptr<Ui::ExitScreen> m_ui;
    Platform& m_platform;
    int m_supportText = 0;
    bool m_endRequested = false;
};
