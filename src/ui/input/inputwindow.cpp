#include "inputwindow.h"
#include "ui_inputwindow.h"

#include "localdates.h"
#include "look.h"
#include "namefilter.h"
#include "namemenu.h"
#include "platform.h"
#include "texts.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOption>

#include <array>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kClientWidth = 497;
constexpr int kClientHeight = 281;

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// The small labels above the name boxes keep the classic dialog face.
QFont captionFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(false); // not the bold of the frame around them
    return font;
}

void setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

// A name's caption longer than its place (a longer translation) takes the width of the
// box below it, centred over it, and then a smaller face; English keeps its places.
void fitCaption(QLabel* caption, const QWidget* box) {
    caption->setFont(captionFont());
    if (caption->sizeHint().width() <= caption->width())
        return;
    caption->setGeometry(box->x(), caption->y(), box->width(), caption->height());
    caption->setAlignment(Qt::AlignCenter);
    Look::setFittingFont(caption, captionFont(), 6.5);
}

// A button's text longer than the button goes onto two lines, broken at the space
// nearest its middle. The button is read out by its accessible name, in one line.
void breakOverTwoLines(QPushButton* button) {
    const QString text = button->text();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    const QRect inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    if (button->fontMetrics().size(Qt::TextShowMnemonic, text).width() <= inside.width())
        return;
    const qsizetype middle = text.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i >= 0;
         i = text.indexOf(QLatin1Char(' '), i + 1)) {
        if (best < 0 || std::abs(i - middle) < std::abs(best - middle))
            best = i;
    }
    if (best >= 0)
        button->setText(text.left(best) + QLatin1Char('\n') + text.mid(best + 1));
}

} // namespace

InputWindow::InputWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::InputWindow>()), m_platform(platform) {
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowCaption);

    setLabelText(m_ui->Label61, Texts::forumBanner());
    setLabelText(m_ui->lblFullBrand, Texts::fullBrandOffer());
    setLabelText(m_ui->lblCobrand, Texts::coBrandOffer());

    m_nameFilter = new NameFilter(m_platform, this);
    for (QLineEdit* box : {m_ui->txtFirstName, m_ui->txtMiddleName, m_ui->txtLastName}) {
        m_nameFilter->attach(box);
        offerMenuWithoutKeys(box);
    }

    applyLook();
    fillLists();
    connectCommands();
    bringPromotionToFront(promotionInFront()); // the order of the design

    m_ui->txtFirstName->setFocus();
}

InputWindow::~InputWindow() = default;

void InputWindow::applyLook() {
    Look::applyIndigoPalette(this);
    setFont(Look::verdana(8.25));

    // The form was drawn for its English texts: only a translation's are measured and
    // fitted, so that a start in English lays out no text before the window is shown
    // (the translation names its language; English names none).
    const bool translated = LocalDates::language() != QLatin1String("en");
    const auto fit = [translated](QWidget* widget, const QFont& font, qreal smallest) {
        if (translated)
            Look::setFittingFont(widget, font, smallest);
        else
            widget->setFont(font);
    };

    fit(m_ui->Label61, Look::verdana(9, true, true), 7);

    Look::setWindowTextColour(m_ui->Label2, Look::kLavender);
    fit(m_ui->Label2, Look::verdana(9, true), 7);

    // Frame captions are bold; everything inside the frames sets its own face.
    for (QGroupBox* frame : {m_ui->fraName, m_ui->Frame1, m_ui->fraBirthDay})
        frame->setFont(Look::verdana(8.25, true));
    const std::array<std::pair<QLabel*, QWidget*>, 3> captions{{{m_ui->Label1, m_ui->txtFirstName},
                                                                {m_ui->Label4, m_ui->txtMiddleName},
                                                                {m_ui->Label5, m_ui->txtLastName}}};
    for (const auto& [caption, box] : captions) {
        if (translated)
            fitCaption(caption, box);
        else
            caption->setFont(captionFont());
    }
    // Inside the bold-captioned frames the boxes and lists go back to regular.
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_ui->txtFirstName, m_ui->txtMiddleName, m_ui->txtLastName,
                                         m_ui->cboMonth, m_ui->cboDate, m_ui->cboYear})
        field->setFont(Look::verdana(8.25));
    m_ui->cmdNext->setFont(Look::verdana(8.25, true));
    if (translated)
        breakOverTwoLines(m_ui->cmdNext);

    // The two offers lie on top of each other; each hides the other completely.
    for (QLabel* offer : {m_ui->lblFullBrand, m_ui->lblCobrand}) {
        fit(offer, Look::verdana(8.25, true, true), 6.5);
        offer->setAutoFillBackground(true);
    }

    // The menu bar has the colours of the menus it opens.
    menuBar()->setPalette(Look::palette(Look::Scheme::System));

    QPalette exitFace = m_ui->cmdExit->palette();
    exitFace.setColor(QPalette::Button, Look::kLightBlue);
    m_ui->cmdExit->setPalette(exitFace);

    const int forWidth = menuBar()->heightForWidth(kClientWidth);
    const int menuHeight = forWidth > 0 ? forWidth : menuBar()->sizeHint().height();
    Look::fixAndCentre(this, kClientWidth, kClientHeight + menuHeight);
}

void InputWindow::fillLists() {
    for (int day = 1; day <= 31; ++day)
        m_ui->cboDate->addItem(QString::number(day));
    m_ui->cboMonth->addItems(LocalDates::monthNames());
    for (int year = kFirstYear; year <= kLastYear; ++year)
        m_ui->cboYear->addItem(QString::number(year));

    m_ui->cboDate->setCurrentIndex(0);
    m_ui->cboMonth->setCurrentIndex(0);
    m_ui->cboYear->setCurrentIndex(0);
}

void InputWindow::connectCommands() {
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &InputWindow::searchRequested);
    connect(m_ui->mnuNext, &QAction::triggered, this, &InputWindow::searchRequested);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &InputWindow::aboutRequested);
    connect(m_ui->mnuSunChanges, &QAction::triggered, this, &InputWindow::sunChangesRequested);

    const auto opens = [this](Link link) { return [this, link] { emit linkRequested(link); }; };
    connect(m_ui->mnuOnline, &QAction::triggered, this, opens(Link::HelpPage));
    connect(m_ui->mnuVisit, &QAction::triggered, this, opens(Link::ForumHomePage));
    connect(m_ui->mnuUpdate, &QAction::triggered, this, opens(Link::DownloadPage));
    connect(m_ui->mnuDonate, &QAction::triggered, this, opens(Link::DonatePage));
    // Switched off for good; a disabled action never triggers.
    connect(m_ui->mnumakemoney, &QAction::triggered, this, opens(Link::FullBrandingPage));

    connect(m_ui->Label61, &ClickableLabel::clicked, this, opens(Link::ForumHomePage));
    connect(m_ui->Label2, &ClickableLabel::clicked, this, opens(Link::FullBrandingPage));
    connect(m_ui->lblFullBrand, &ClickableLabel::clicked, this, opens(Link::FullBrandingPage));
    connect(m_ui->lblCobrand, &ClickableLabel::clicked, this, opens(Link::CoBrandingPage));
}

BirthInput InputWindow::birthInput() const {
    BirthInput input;
    input.firstName = m_ui->txtFirstName->text();
    input.middleName = m_ui->txtMiddleName->text();
    input.lastName = m_ui->txtLastName->text();
    input.dayText = m_ui->cboDate->currentText();
    input.dayIndex = static_cast<qint16>(m_ui->cboDate->currentIndex());
    input.monthText = m_ui->cboMonth->currentText();
    input.monthIndex = static_cast<qint16>(m_ui->cboMonth->currentIndex());
    input.yearText = m_ui->cboYear->currentText();
    return input;
}

void InputWindow::focusField(InputField field) {
    QWidget* target = nullptr;
    switch (field) {
    case InputField::FirstName:
        target = m_ui->txtFirstName;
        break;
    case InputField::LastName:
        target = m_ui->txtLastName;
        break;
    case InputField::Day:
        target = m_ui->cboDate;
        break;
    case InputField::Month:
        target = m_ui->cboMonth;
        break;
    case InputField::Year:
        target = m_ui->cboYear;
        break;
    case InputField::None:
        break;
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void InputWindow::bringPromotionToFront(Promotion promotion) {
    QLabel* front = promotion == Promotion::CoBrand ? m_ui->lblCobrand : m_ui->lblFullBrand;
    QLabel* behind = front == m_ui->lblCobrand ? m_ui->lblFullBrand : m_ui->lblCobrand;
    front->raise();
    front->show();
    // Nobody sees the one behind, so no screen reader may read it out either.
    behind->hide();
}

InputWindow::Promotion InputWindow::promotionInFront() const {
    // Siblings are kept in stacking order, the front one last.
    const QObjectList& stack = m_ui->Frame5->children();
    return stack.indexOf(m_ui->lblCobrand) > stack.indexOf(m_ui->lblFullBrand)
               ? Promotion::CoBrand
               : Promotion::FullBrand;
}

void InputWindow::closeEvent(QCloseEvent* event) {
    // The shell decides what follows; the window itself always goes.
    emit unloading();
    event->accept();
}
