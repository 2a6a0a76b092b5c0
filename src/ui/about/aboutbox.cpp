#include "aboutbox.h"
#include "ui_aboutbox.h"

#include "look.h"
#include "platform.h"
#include "texts.h"

#include <QIcon>

#include <algorithm>

namespace {

// Keeps a one-line link whole when its text is longer than its place (its text
// holds the forum's address, which depends on how the program was configured):
// first it grows to the left, as far as the box's margin, then its font gets
// smaller in quarter points.
void fitOnOneLine(QLabel* label, int leftMargin, qreal smallestPointSize) {
    const QRect place = label->geometry();
    const int wanted = label->sizeHint().width();
    if (wanted > place.width()) {
        const int left = std::max(leftMargin, place.right() + 1 - wanted);
        label->setGeometry(left, place.y(), place.right() + 1 - left, place.height());
    }
    QFont font = label->font();
    while (label->sizeHint().width() > label->width() &&
           font.pointSizeF() - 0.25 >= smallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::AboutBox>()) {
    m_ui->setupUi(this);
    setWindowTitle(kWindowCaption);
    setModal(true);
    Look::applyIndigoPalette(this);

    m_ui->Label2->setFont(Look::verdana(9.75, true));
    m_ui->Label1->setFont(Look::verdana(8.25));
    m_ui->Label1->setText(Texts::aboutDescription());
    m_ui->Label3->setText(Texts::aboutPromotion());
    Look::setFittingFont(m_ui->Label3, Look::verdana(8.25, true), 6.5);

    const QString homePage = //: %1 is the forum's address, shown as it is.
        tr("Click here to visit %1").arg(Texts::forumDisplayAddress());
    for (LinkLabel* link : {m_ui->lblHomePage, m_ui->lblCoBrand}) {
        link->setFont(Look::verdana(8.25, true, true));
        link->setWordWrap(false);
    }
    m_ui->lblHomePage->setText(homePage);
    fitOnOneLine(m_ui->lblHomePage, m_ui->Label1->x(), 6.5);
    m_ui->lblHomePage->setAccessibleName(homePage);
    // A longer translation of the offer's link grows to the left in the same way.
    fitOnOneLine(m_ui->lblCoBrand, m_ui->Label1->x(), 6.5);
    m_ui->lblCoBrand->setAccessibleName(m_ui->lblCoBrand->text());
    // Drawn from the icon's larger sizes on a scaled screen.
    m_ui->Picture1->setPixmap(Look::programIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    m_ui->Picture1->setAccessibleName(QStringLiteral("Solvanta"));

    // A cream rule across the whole box above the button.
    QPalette rule = m_ui->Line1->palette();
    rule.setColor(QPalette::Window, Look::kCream);
    m_ui->Line1->setPalette(rule);
    m_ui->Line1->setAutoFillBackground(true);

    m_ui->cmdOK->setFont(Look::verdana(8.25, true));
    m_ui->cmdOK->setAccessibleName(tr("OK"));
    m_ui->cmdOK->setDefault(true);
    m_ui->cmdOK->setFocus();

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this,
            [this] { emit linkRequested(Link::ForumHomePage); });
    connect(m_ui->lblCoBrand, &LinkLabel::clicked, this,
            [this] { emit linkRequested(Link::FullBrandingPage); });

    Look::fixAndCentre(this, 455, 258);
}

AboutBox::~AboutBox() = default;
