#include "exitscreen.h"
#include "ui_exitscreen.h"

#include "look.h"
#include "platform.h"
#include "referral.h"
#include "texts.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextDocument>

#include <algorithm>

namespace {

// A one-line box's text without leading and trailing blanks.
QString trimmedText(const QLineEdit* box) {
    return Referral::trimSpaces(box->text());
}

} // namespace

namespace {

// The exit screen is announced as a window, like the program's other windows.
QAccessibleInterface* exitScreenAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ExitScreen") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

ExitScreen::ExitScreen(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_ui(std::make_unique<Ui::ExitScreen>()), m_platform(platform) {
    static const bool accessibleAsWindow = [] {
        QAccessible::installFactory(exitScreenAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsWindow)
    m_ui->setupUi(this);
    setWindowTitle(kWindowCaption);
    // Stays above other programs' windows. It appears as an ordinary window that
    // takes the keyboard, with "E&xit" holding the focus.
    Look::applyScheme(this, Look::Scheme::Plain);
    setFont(Look::verdana(8.25));

    m_ui->Picture1->setPixmap(Look::programIcon().pixmap(32, 32));
    m_ui->Picture1->setAccessibleName(QStringLiteral("Solvanta"));
    m_ui->Label1->setFont(QFont(QStringLiteral("MS Sans Serif"), 18));

    //: %1 is the forum's address, shown as it is.
    const QString visitForum = tr("Click Here To Visit %1 Now").arg(Texts::forumDisplayAddress());
    m_ui->Check1->setText(visitForum);
    m_ui->Check1->setAccessibleName(visitForum);
    m_ui->Check1->setCursor(Qt::PointingHandCursor);
    Look::setWindowTextColour(m_ui->Check1, Look::kLinkBlue);
    Look::setFittingFont(m_ui->Check1, Look::verdana(14.25), 10);

    m_ui->cmdClose->setFont(Look::verdana(8.25));
    m_ui->cmdClose->setAccessibleName(tr("Exit"));

    // The two navy frames: white bold captions, their contents in their own fonts.
    for (QGroupBox* frame : {m_ui->Frame2, m_ui->Frame6}) {
        Look::applyScheme(frame, Look::Scheme::Navy);
        frame->setFont(Look::verdana(9.75, true));
    }
    const struct {
        QWidget* box;
        const char* name;
    } boxes[] = {
        {m_ui->txtName, QT_TR_NOOP("Your Name")},
        {m_ui->txtEmail, QT_TR_NOOP("Your Email Address")},
        {m_ui->txtFriendName, QT_TR_NOOP("Friend's Name")},
        {m_ui->txtFriendEmail, QT_TR_NOOP("Friend's Email Address")},
        {m_ui->txtMessage, QT_TR_NOOP("Your Message")},
    };
    for (const auto& [box, name] : boxes) {
        box->setFont(Look::verdana(8.25));
        box->setAccessibleName(tr(name));
        box->installEventFilter(this);
        if (box != m_ui->txtMessage)
            setBoxText(box, placeholderOf(box));
    }
    setBoxText(m_ui->txtMessage, Referral::initialMessage());
    m_ui->cmdSubmit->setFont(Look::verdana(8.25, true));
    m_ui->cmdSubmit->setAccessibleName(tr("Refer A Friend Now"));

    m_ui->Label3->setText(Texts::softwarePromotion());
    Look::setFittingFont(m_ui->Label3, Look::verdana(9), 7.5);
    Look::setWindowTextColour(m_ui->lblGoToHome, Look::kYellow);
    m_ui->lblGoToHome->setAccessibleName(m_ui->lblGoToHome->text());
    // A longer translation takes the free room to its right, as far as its frame's
    // edge, and then a smaller font, rather than being cut.
    QLabel* home = m_ui->lblGoToHome;
    home->setFont(Look::verdana(9, true, true));
    if (const int needed = home->sizeHint().width(); needed > home->width())
        home->resize(std::min(needed, home->parentWidget()->width() - home->x() - 2),
                     home->height());
    Look::setFittingFont(home, Look::verdana(9, true, true), 7);

    connect(m_ui->cmdClose, &QPushButton::clicked, this, &ExitScreen::requestEnd);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &ExitScreen::submit);
    connect(m_ui->Check1, &QCheckBox::toggled, this, &ExitScreen::visitForum);
    connect(m_ui->lblGoToHome, &LinkLabel::clicked, this,
            [this] { emit linkRequested(Link::SoftwareCatalogPage); });

    // One of the four support texts, chosen once for the whole run.
    m_platform.seedRandom();
    m_supportText = std::clamp(static_cast<int>(m_platform.randomDraw() * 4), 0, 3);
    m_ui->Label2->setText(Texts::supportText(m_supportText));
    Look::setFittingFont(m_ui->Label2, Look::verdana(9.75, true), 8);

    m_ui->cmdClose->setFocus();
    Look::fixAndCentre(this, 741, 315);
}

ExitScreen::~ExitScreen() = default;

QString ExitScreen::placeholderOf(const QObject* box) const {
    if (box == m_ui->txtName)
        return Referral::shown(Referral::kNamePlaceholder);
    if (box == m_ui->txtEmail)
        return Referral::shown(Referral::kEmailPlaceholder);
    if (box == m_ui->txtFriendName)
        return Referral::shown(Referral::kFriendNamePlaceholder);
    if (box == m_ui->txtFriendEmail)
        return Referral::shown(Referral::kFriendEmailPlaceholder);
    if (box == m_ui->txtMessage)
        return Referral::shown(Referral::kMessagePlaceholder);
    return QString();
}

QString ExitScreen::boxText(const QObject* box) const {
    if (box == m_ui->txtMessage) {
        // The document's own text, not its plain-text form, which turns
        // non-breaking spaces into ordinary ones; only the breaks between lines
        // are written as line breaks.
        QString text = m_ui->txtMessage->document()->toRawText();
        for (const QChar lineBreak :
             {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
            text.replace(lineBreak, QLatin1Char('\n'));
        return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return {};
}

void ExitScreen::setBoxText(QObject* box, const QString& text) {
    if (box == m_ui->txtMessage) {
        QString plain = text;
        m_ui->txtMessage->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    }
}

bool ExitScreen::eventFilter(QObject* watched, QEvent* event) {
    const QString placeholder = placeholderOf(watched);
    if (placeholder.isEmpty())
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only focus that moves between controls counts; switching to another
        // window, a message box or a context menu leaves the box as it is.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QString trimmed = Referral::trimSpaces(boxText(watched));
        if (event->type() == QEvent::FocusIn && trimmed == placeholder)
            setBoxText(watched, QString());
        else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
            setBoxText(watched, placeholder);
        break;
    }
    case QEvent::KeyPress:
        if ((watched == m_ui->txtEmail || watched == m_ui->txtFriendEmail) &&
            static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" "))
            return rejectSpace(static_cast<QWidget*>(watched));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool ExitScreen::rejectSpace(QWidget* box) {
    m_platform.notify(Referral::shown(Referral::kEmailHasSpace), this, Platform::Icon::Critical);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

void ExitScreen::submit() {
    const ReferralValues values{
        trimmedText(m_ui->txtName),
        trimmedText(m_ui->txtEmail),
        Referral::trimSpaces(boxText(m_ui->txtMessage)),
        trimmedText(m_ui->txtFriendName),
        trimmedText(m_ui->txtFriendEmail),
    };
    if (const auto problem = ReferralProblem(values)) {
        m_platform.notify(Referral::shown(*problem), this, Platform::Icon::Critical);
        return;
    }
    emit referralSubmitted(values);
}

void ExitScreen::visitForum(bool ticked) {
    // The box is a link that looks like a check box: it never stays ticked.
    if (!ticked)
        return;
    {
        const QSignalBlocker blocker(m_ui->Check1);
        m_ui->Check1->setChecked(false);
    }
    m_ui->Check1->update();
    emit linkRequested(Link::ForumHomePage);
}

void ExitScreen::requestEnd() {
    if (m_endRequested)
        return;
    m_endRequested = true;
    emit endRequested();
}

void ExitScreen::closeEvent(QCloseEvent* event) {
    requestEnd();
    event->accept();
}
