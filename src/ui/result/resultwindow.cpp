#include "resultwindow.h"

#include "accessibility.h"
#include "clipboardguard.h"
#include "look.h"
#include "platform.h"
#include "signs.h"
#include "texts.h"
#include "ui_resultwindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPixmapCache>
#include <QScopedValueRollback>
#include <QTextDocument>

namespace {

// Replaces an area's text without moving a cursor the area never shows; the
// area still announces the change.
void setAreaText(QPlainTextEdit* area, const QString& text) {
    area->document()->setPlainText(text);
}

constexpr int kClientWidth = 561;
// The window's bands end at 512; the band that leads to the exact sign lies below.
constexpr int kClientHeight = 560;
constexpr QSize kPictureSize{200, 200};
constexpr int kAreaFrameWidth = 2;
// The room between a value and what stands beside it.
constexpr int kValueGap = 8;

// The face of a profile's values: the sign's name larger.
QFont valueFont(bool isName) {
    return Look::verdana(isName ? 9.75 : 8.25, true);
}

constexpr std::size_t fieldIndex(ProfilePanel::Field field) {
    return static_cast<std::size_t>(field);
}
constexpr std::size_t slotIndex(ProfileSlot slot) {
    return static_cast<std::size_t>(slot);
}

constexpr std::array<ProfilePanel::Field, 6> kLabelFields{
    ProfilePanel::Field::SignName,      ProfilePanel::Field::Element,
    ProfilePanel::Field::LuckyNumbers,  ProfilePanel::Field::LuckyDay,
    ProfilePanel::Field::Compatibility, ProfilePanel::Field::Birthstone,
};

} // namespace

ResultWindow::ResultWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::ResultWindow>()), m_platform(platform),
      m_clipboardGuard(new ClipboardGuard(platform, this)) {
    Accessibility::install(); // the tab list offers only the tabs on show
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowCaption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    collectPanels();
    for (QPlainTextEdit* area : textAreas())
        m_clipboardGuard->protect(area);

    m_ui->Label61->setText(Texts::forumBanner());
    m_ui->lblCobrand->setText(Texts::coBrandOffer());
    m_ui->lblFullBrand->setText(Texts::fullBrandOffer());
    for (QLabel* link : {m_ui->Label61, m_ui->lblCobrand, m_ui->lblFullBrand})
        link->setAccessibleName(link->text());
    // Both offers share one rectangle; the full-branding offer is the one in front.
    // The one behind is hidden, so that no screen reader reads what nobody sees.
    m_ui->lblFullBrand->raise();
    m_ui->lblCobrand->hide();

    QAction* separator = m_ui->mnuHelp->insertSeparator(m_ui->mnuUpdate);
    separator->setObjectName(QStringLiteral("mnuSep1"));
    separator = m_ui->mnuHelp->insertSeparator(m_ui->mnuAbout);
    separator->setObjectName(QStringLiteral("mnuSep2"));

    applyLook();
    connectCommands();
    connectModel();

    showPanel(ProfileSlot::First);
    showPanel(ProfileSlot::Second);
    showFrameCaption(ProfileSlot::First, m_model.frameCaption(ProfileSlot::First));
    showFrameCaption(ProfileSlot::Second, m_model.frameCaption(ProfileSlot::Second));
    if (!m_model.cuspDescription().isEmpty())
        setAreaText(m_ui->txtTwoSunSignDesc, m_model.cuspDescription());
    showTabs();
    showExactSunWay();

    m_ui->cmdBack->setFocus();

    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    const int clientHeight = std::max(kClientHeight, m_ui->fraExactSun->geometry().bottom() + 1);
    Look::fixAndCentre(this, kClientWidth, clientHeight + menuHeight);
}

ResultWindow::~ResultWindow() = default;

std::array<QPlainTextEdit*, 5> ResultWindow::textAreas() const {
    return {m_ui->txtSunSignPositiveTraits_0, m_ui->txtSunSignNegativeTraits_0,
            m_ui->txtSunSignPositiveTraits_1, m_ui->txtSunSignNegativeTraits_1,
            m_ui->txtTwoSunSignDesc};
}

void ResultWindow::collectPanels() {
    Ui::ResultWindow& ui = *m_ui;
    // Value labels in the order of ProfilePanel::Field.
    m_panels[0] =
        Panel{ui.fra1,
              {ui.lblSunSign_0, ui.lblSunSignElement_0, ui.lblSunSignNumber_0, ui.lblSunSignDay_0,
               ui.lblSunSignCompatibility_0, ui.lblSunSignBirthStone_0},
              ui.txtSunSignPositiveTraits_0,
              ui.txtSunSignNegativeTraits_0,
              ui.picSunSign_0,
              {}};
    m_panels[1] =
        Panel{ui.fra2,
              {ui.lblSunSign_1, ui.lblSunSignElement_1, ui.lblSunSignNumber_1, ui.lblSunSignDay_1,
               ui.lblSunSignCompatibility_1, ui.lblSunSignBirthStone_1},
              ui.txtSunSignPositiveTraits_1,
              ui.txtSunSignNegativeTraits_1,
              ui.picSunSign_1,
              {}};

    // Each static caption labels the value beside it.
    const std::array<std::array<QLabel*, 6>, 2> captions{{
        {ui.Label15_0, ui.Label11_0, ui.Label23_0, ui.Label21_0, ui.Label17_0, ui.Label27_0},
        {ui.Label15_1, ui.Label11_1, ui.Label23_1, ui.Label21_1, ui.Label17_1, ui.Label27_1},
    }};
    for (std::size_t slot = 0; slot < 2; ++slot) {
        Panel& panel = m_panels[slot];
        for (std::size_t row = 0; row < 6; ++row) {
            captions[slot][row]->setBuddy(panel.values[row]);
            panel.captions.push_back(captions[slot][row]);
        }
    }
    const auto captionFor = [](Panel& panel, QLabel* caption, QWidget* area) {
        caption->setBuddy(area);
        panel.captions.push_back(caption);
    };
    captionFor(m_panels[0], ui.Label13_0, ui.txtSunSignPositiveTraits_0);
    captionFor(m_panels[0], ui.Label10_0, ui.txtSunSignNegativeTraits_0);
    captionFor(m_panels[1], ui.Label13_1, ui.txtSunSignPositiveTraits_1);
    captionFor(m_panels[1], ui.Label10_1, ui.txtSunSignNegativeTraits_1);
    captionFor(m_panels[1], ui.Label10_2, ui.txtTwoSunSignDesc);
}

void ResultWindow::applyLook() {
    Look::applyIndigoPalette(this);
    setFont(Look::verdana(8.25));
    // The menu bar has the colours of the menus it opens.
    menuBar()->setPalette(Look::palette(Look::Scheme::System));

    Look::setFittingFont(m_ui->Label61, Look::verdana(9, true, true), 7);
    m_ui->cmdBack->setFont(Look::verdana(8.25, true));
    for (QLabel* offer : {m_ui->lblCobrand, m_ui->lblFullBrand}) {
        Look::setFittingFont(offer, Look::verdana(8.25, true, true), 6.5);
        offer->setAutoFillBackground(true);
    }
    m_ui->cmdExactSun->setFont(Look::verdana(8.25, true));
    // A longer translation of the button grows it to the left, into the sentence's room
    // (the sentence wraps); English keeps the places it always had.
    if (QPushButton* button = m_ui->cmdExactSun; button->sizeHint().width() > button->width()) {
        const QRect place = button->geometry();
        const int left = place.right() + 1 - button->sizeHint().width();
        button->setGeometry(left, place.y(), place.right() + 1 - left, place.height());
        QLabel* sentence = m_ui->lblExactSun;
        sentence->resize(left - 8 - sentence->x(), sentence->height());
    }
    // A longer sentence wraps onto more lines: the band below it, and with it the window,
    // grows to hold them.
    if (QLabel* sentence = m_ui->lblExactSun;
        sentence->heightForWidth(sentence->width()) > sentence->height()) {
        const int extra = sentence->heightForWidth(sentence->width()) - sentence->height();
        sentence->resize(sentence->width(), sentence->height() + extra);
        QFrame* band = m_ui->fraExactSun;
        band->resize(band->width(), band->height() + extra);
        m_ui->cmdExactSun->move(m_ui->cmdExactSun->x(), m_ui->cmdExactSun->y() + extra / 2);
    }
    // Room for the focus frame around the link's text, and no more: the rest of the
    // band is not the link. A longer translation keeps to one line, as wide as the band,
    // in a smaller face if need be.
    KeyboardLink* link = m_ui->lnkExactSun;
    link->setMargin(4);
    link->resize(m_ui->fraExactSun->width() - 2 * link->x(), link->height());
    Look::setFittingFont(link, Look::verdana(8.25, true, true), 6.5);
    link->adjustSize();

    // Tabs: dark indigo text on the button face.
    QPalette tabPalette = Look::palette(Look::Scheme::System);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        tabPalette.setColor(QPalette::Active, role, Look::kIndigo);
        tabPalette.setColor(QPalette::Inactive, role, Look::kIndigo);
    }
    m_ui->SSTab1->setPalette(tabPalette);
    for (int tab = 0; tab < m_ui->SSTab1->count(); ++tab)
        m_ui->SSTab1->widget(tab)->setAutoFillBackground(true);

    const QPalette framePalette = Look::palette(Look::Scheme::Panel);
    const QPalette areaPalette = Look::palette(Look::Scheme::Area);

    for (Panel& panel : m_panels) {
        panel.frame->setPalette(framePalette);
        panel.frame->setAutoFillBackground(true);
        panel.frame->setFont(Look::verdana(9, true));
        // Every child names its own font, so the caption font stays with the caption.
        for (QLabel* caption : panel.captions) {
            caption->setFont(Look::verdana(8.25, true, true));
            caption->adjustSize();
        }
        for (std::size_t i = 0; i < panel.values.size(); ++i) {
            const bool isName = i == fieldIndex(ProfilePanel::Field::SignName);
            panel.values[i]->setFont(valueFont(isName));
            Look::setWindowTextColour(panel.values[i], isName ? Look::kDarkRed : Look::kBrownBlack);
        }
        // The values stand beside their captions: a caption longer than the room
        // before them (a longer translation) moves them all to the right.
        int captionsEnd = 0;
        for (std::size_t i = 0; i < panel.values.size(); ++i)
            captionsEnd = std::max(captionsEnd, panel.captions[i]->geometry().right() + 1);
        for (QLabel* value : panel.values) {
            if (value->x() < captionsEnd + kValueGap)
                value->move(captionsEnd + kValueGap, value->y());
        }
    }
    // The areas show no text cursor, so their frame shows which one has the
    // keyboard focus: indigo like the area, or a blue that stands out against both
    // the indigo area and the cream panel. Only the colour changes, so the text
    // stays where it is.
    for (QPlainTextEdit* area : textAreas()) {
        area->setPalette(areaPalette);
        area->setFont(Look::verdana(8.25));
        area->setFrameStyle(QFrame::Box | QFrame::Plain);
        area->setLineWidth(kAreaFrameWidth);
        area->installEventFilter(this);
    }
}

void ResultWindow::connectCommands() {
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &ResultWindow::backRequested);
    connect(m_ui->mnuBack, &QAction::triggered, this, &ResultWindow::backRequested);
    connect(m_ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &ResultWindow::aboutRequested);
    connect(m_ui->mnuSunChanges, &QAction::triggered, this, &ResultWindow::sunChangesRequested);
    connect(m_ui->cmdExactSun, &QPushButton::clicked, this, &ResultWindow::exactSunRequested);
    connect(m_ui->lnkExactSun, &ClickableLabel::clicked, this, &ResultWindow::exactSunRequested);

    const auto linkAction = [this](QAction* action, Link link) {
        connect(action, &QAction::triggered, this, [this, link] { emit linkRequested(link); });
    };
    linkAction(m_ui->mnuOnline, Link::HelpPage);
    linkAction(m_ui->mnuVisit, Link::ForumHomePage);
    linkAction(m_ui->mnuUpdate, Link::DownloadPage);
    linkAction(m_ui->mnuDonate, Link::DonatePage);
    linkAction(m_ui->mnumakemoney, Link::FullBrandingPage);

    const auto linkLabel = [this](ClickableLabel* label, Link link) {
        connect(label, &ClickableLabel::clicked, this, [this, link] { emit linkRequested(link); });
    };
    linkLabel(m_ui->Label61, Link::ForumHomePage);
    linkLabel(m_ui->lblCobrand, Link::CoBrandingPage);
    linkLabel(m_ui->lblFullBrand, Link::FullBrandingPage);

    connect(m_ui->SSTab1, &QTabWidget::currentChanged, this, &ResultWindow::tabChosen);
}

void ResultWindow::connectModel() {
    for (ProfileSlot slot : {ProfileSlot::First, ProfileSlot::Second}) {
        ProfilePanel& panel = m_model.panel(slot);
        connect(&panel, &ProfilePanel::textChanged, this,
                [this, slot](ProfilePanel::Field field, const QString& value) {
                    showText(slot, field, value);
                });
        connect(&panel, &ProfilePanel::pictureChanged, this,
                [this, slot](int index) { showPicture(slot, index); });
    }
    connect(&m_model, &ResultModel::frameCaptionChanged, this, &ResultWindow::showFrameCaption);
    connect(&m_model, &ResultModel::cuspDescriptionChanged, this, [this](const QString& text) {
        setAreaText(m_ui->txtTwoSunSignDesc, text);
        showExactSunWay();
    });
    connect(&m_model, &ResultModel::tabsChanged, this, [this] {
        showTabs();
        showExactSunWay();
    });
}

void ResultWindow::showPanel(ProfileSlot slot) {
    const ProfilePanel& panel = m_model.panel(slot);
    for (ProfilePanel::Field field : kLabelFields)
        showText(slot, field, panel.text(field));
    showText(slot, ProfilePanel::Field::PositiveTraits,
             panel.text(ProfilePanel::Field::PositiveTraits));
    showText(slot, ProfilePanel::Field::NegativeTraits,
             panel.text(ProfilePanel::Field::NegativeTraits));
    showPicture(slot, panel.pictureIndex());
}

void ResultWindow::showText(ProfileSlot slot, ProfilePanel::Field field, const QString& value) {
    Panel& panel = m_panels[slotIndex(slot)];
    if (field == ProfilePanel::Field::PositiveTraits ||
        field == ProfilePanel::Field::NegativeTraits) {
        QPlainTextEdit* area = field == ProfilePanel::Field::PositiveTraits ? panel.positiveTraits
                                                                            : panel.negativeTraits;
        if (area->toPlainText() != value)
            setAreaText(area, value);
        return;
    }
    QLabel* label = panel.values[fieldIndex(field)];
    label->setText(value);
    // Read out as the value it shows; its caption labels it (the caption's buddy).
    label->setAccessibleName(value);
    // The label grows to the right to fit what it shows.
    const QFont font = valueFont(field == ProfilePanel::Field::SignName);
    label->setWordWrap(false);
    label->setFont(font);
    label->adjustSize();
    // A value that would reach the picture (a longer translation) wraps before it and
    // keeps beside it, in a smaller face if need be.
    const QRect picture = panel.picture->geometry();
    if (label->geometry().right() + kValueGap >= picture.left() && label->y() <= picture.bottom()) {
        label->setWordWrap(true);
        label->setGeometry(label->x(), label->y(), picture.left() - kValueGap - label->x(),
                           picture.bottom() + 1 - label->y());
        Look::setFittingFont(label, font, 6.5);
    }
}

void ResultWindow::showPicture(ProfileSlot slot, int pictureIndex) {
    if (!isSignNumber(pictureIndex))
        return;
    QLabel* picture = m_panels[slotIndex(slot)].picture;
    // The icon loader also picks up the double-size picture on high-density screens.
    // Decoded pictures are kept, so later searches do not decode them again.
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("sign-%1@%2").arg(pictureIndex).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QIcon(signPicturePath(pictureIndex)).pixmap(kPictureSize, ratio);
        QPixmapCache::insert(key, pixmap);
    }
    picture->setPixmap(pixmap);
    picture->setAccessibleName(signProfile(static_cast<ZodiacSign>(pictureIndex)).name);
}

void ResultWindow::showFrameCaption(ProfileSlot slot, const QString& caption) {
    m_panels[slotIndex(slot)].frame->setTitle(caption);
}

void ResultWindow::showTabs() {
    const QScopedValueRollback busy(m_showingTabs, true);
    QTabWidget* tabs = m_ui->SSTab1;
    // A switched-off tab is hidden as well as disabled, so that neither the user
    // nor an assistive tool is offered it; it comes back when switched on.
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setTabEnabled(tab, m_model.isTabEnabled(tab));
        tabs->setTabVisible(tab, m_model.isTabEnabled(tab));
    }
    int shown = m_model.currentTab();
    if (!m_model.isTabEnabled(shown)) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (m_model.isTabEnabled(tab)) {
                shown = tab;
                break;
            }
        }
    }
    tabs->setCurrentIndex(shown);
}

void ResultWindow::showExactSunWay() {
    // A cusp result is the one with both profiles and the cusp text. There the
    // calendar leaves the question open, so the way on is in plain view; elsewhere
    // the calendar is nearly always right, and a link is enough.
    const bool cusp = m_model.isTabEnabled(1) && !m_model.cuspDescription().isEmpty();
    m_ui->lblExactSun->setVisible(cusp);
    m_ui->cmdExactSun->setVisible(cusp);
    m_ui->lnkExactSun->setVisible(!cusp);
}

void ResultWindow::tabChosen(int index) {
    if (m_showingTabs)
        return;
    // A switched-off tab can still be reached by routes the tab bar does not guard,
    // such as QTabWidget::setCurrentIndex(); go back to the tab that was shown.
    if (!m_model.isTabEnabled(index)) {
        showTabs();
        return;
    }
    m_model.setCurrentTab(index);
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    emit unloading();
    event->accept();
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto* area = qobject_cast<QPlainTextEdit*>(watched)) {
            // A plain box frame is drawn in the area's window-text colour.
            Look::setWindowTextColour(area, event->type() == QEvent::FocusIn ? Look::kFocusBlue
                                                                             : Look::kIndigo);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
