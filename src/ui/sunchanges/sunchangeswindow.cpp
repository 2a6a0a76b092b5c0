#include "sunchangeswindow.h"
#include "ui_sunchangeswindow.h"

#include "astrotexts.h"
#include "birthmoment.h"
#include "localdates.h"
#include "look.h"
#include "platform.h"
#include "signchanges.h"
#include "texts.h"
#include "zonefinder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStringListModel>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kFrameWidth = 2;
// The year's twelve changes and, first, the change into Capricorn the December before:
// a birth in early January has its own row.
constexpr int kTableRows = Astro::kSignCount + 1;

// The frame of the table or the reading: indigo, the text colour of the palette all
// these windows share, or the focus blue, in a palette of its own while the frame has
// the keyboard. (A palette of its own at every opening would leave the style pictures
// keyed by it, which are never drawn again.)
void colourFrame(QFrame* frame, bool focused) {
    if (focused) {
        Look::setWindowTextColour(frame, Look::kFocusBlue);
        frame->setForegroundRole(QPalette::WindowText);
    } else {
        frame->setPalette(QPalette());
        frame->setForegroundRole(QPalette::Text);
    }
}

// What the time box holds: nothing, a time of day, or text that is no time.
struct TimeEntry {
    enum class Kind { Empty, Time, Unreadable } kind = Kind::Empty;
    QTime time;
};

TimeEntry readTimeBox(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(trimmed);
    if (match.hasMatch()) {
        const QTime time(match.captured(1).toInt(), match.captured(2).toInt());
        if (time.isValid())
            return {TimeEntry::Kind::Time, time};
    }
    return {TimeEntry::Kind::Unreadable, {}};
}

// The width a line box asks for while it holds `text` (its clear button shown), the box
// left empty.
int widthHolding(QLineEdit* box, const QString& text) {
    box->setText(text);
    const int width = box->sizeHint().width();
    box->clear();
    return width;
}

// The same day and month in the nearest year offered (28 February for the 29th in a
// common year).
QDate withinOfferedYears(QDate date) {
    const int year = std::clamp(date.year(), Astro::kFirstYear, Astro::kLastYear);
    const int lastDay = QDate(year, date.month(), 1).daysInMonth();
    return QDate(year, date.month(), std::min(date.day(), lastDay));
}

// Characters that set the direction of the text after them.
bool turnsDirection(QChar c) {
    switch (c.direction()) {
    case QChar::DirLRE:
    case QChar::DirRLE:
    case QChar::DirLRO:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return true;
    default:
        return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C);
    }
}

bool rightToLeft(QChar c) {
    return c.direction() == QChar::DirR || c.direction() == QChar::DirAL ||
           c.direction() == QChar::DirAN;
}

// What the user typed, quoted back: on one line and short, whatever was pasted. Text
// with a direction control or right-to-left letters in it is isolated (and the controls
// dropped), so that it cannot turn the rest of the message around.
QString quoted(const QString& typed) {
    constexpr qsizetype kLongest = 24;
    QString text = typed.trimmed();
    const bool isolate = std::any_of(text.cbegin(), text.cend(),
                                     [](QChar c) { return turnsDirection(c) || rightToLeft(c); });
    text.removeIf(turnsDirection);
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    if (text.size() > kLongest)
        text = text.left(kLongest - 1) + QChar(0x2026);
    if (isolate)
        text = QChar(0x2068) + text + QChar(0x2069); // first strong isolate .. pop isolate
    return QChar(0x201c) + text + QChar(0x201d);
}

QString unreadableTimeText(const QString& text) {
    //: %1 is what was typed, in quotation marks.
    return QCoreApplication::translate("SunChangesWindow",
                                       "%1 is not a time of day. Type the hours and minutes of the "
                                       "birth, from 00:00 to 23:59 (for example 14:30), or leave "
                                       "the box empty if the time is not known.")
        .arg(quoted(text));
}

} // namespace

SunChangesWindow::SunChangesWindow(Platform& platform, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SunChangesWindow>()), m_platform(platform) {
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Sun Sign Changes"));

    applyLook();
    fillLists();
    connectCommands();

    applyZone(Astro::findZone(m_ui->cboZone->currentText()));
    m_ui->cboYear->setFocus();
}

SunChangesWindow::~SunChangesWindow() {
    // The pictures of this window's controls whose palettes are its own (the framed
    // table and reading, whose frame colour follows the focus) are never drawn again
    // once it is gone, yet would stay until the cache is full (10 MB).
    QPixmapCache::clear();
}

void SunChangesWindow::applyLook() {
    // One palette for every window of this kind, made once per run and kept by the
    // application: the style keeps pictures of drawn controls keyed by their palette,
    // and a palette made anew for each window would add new pictures at every opening.
    static const bool paletteKept = [] {
        QWidget model;
        Look::applyIndigoPalette(&model);
        QPalette palette = model.palette();
        palette.setResolveMask(0); // the window's own, as the application's is for others
        QApplication::setPalette(palette, "SunChangesWindow");
        return true;
    }();
    Q_UNUSED(paletteKept);
    setAutoFillBackground(true);
    setFont(Look::verdana(8.25));
    m_ui->fraBirth->setFont(Look::verdana(8.25, true));
    // Inside the bold-captioned frame everything goes back to regular.
    for (QWidget* field : std::initializer_list<QWidget*>{
             m_ui->lblDay, m_ui->cboDay, m_ui->lblMonth, m_ui->cboMonth, m_ui->lblTime,
             m_ui->txtTime, m_ui->lblReading, m_ui->txtReading, m_ui->picSun, m_ui->lblCuspNote})
        field->setFont(Look::verdana(8.25));
    for (QPushButton* button : {m_ui->cmdShow, m_ui->cmdSave, m_ui->cmdClose})
        button->setFont(Look::verdana(8.25, true));

    // Hundreds of zones: the box is as wide as a long zone name, not the longest.
    m_ui->cboZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui->cboZone->setMinimumContentsLength(26);

    QTableWidget* table = m_ui->tblChanges;
    table->setColumnCount(4);
    table->setRowCount(kTableRows);
    table->setHorizontalHeaderLabels({tr("Sign"), tr("Date"), tr("Time"), tr("UTC offset")});
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    table->setCornerButtonEnabled(false);
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setHighlightSections(false);
    for (int row = 0; row < kTableRows; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table->setItem(row, column, cell);
        }
    }

    // The table and the reading show all they hold without scrolling; the table is as
    // wide as its widest texts (a time to the second, an offset with seconds) need.
    const int rowHeight = table->fontMetrics().height() + 6;
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    int tableWidth = 2 * kFrameWidth;
    QString longestSign;
    for (int sign = 1; sign <= Astro::kSignCount; ++sign) {
        const QString name = Astro::signName(sign);
        if (table->fontMetrics().horizontalAdvance(name) >
            table->fontMetrics().horizontalAdvance(longestSign))
            longestSign = name;
    }
    const QStringList widest{longestSign, QStringLiteral("2000-12-22"), QStringLiteral("23:59:59"),
                             QStringLiteral("UTC+00:00:00")};
    for (int column = 0; column < 4; ++column)
        tableWidth += std::max(table->fontMetrics().horizontalAdvance(widest.at(column)),
                               header->fontMetrics().horizontalAdvance(
                                   table->horizontalHeaderItem(column)->text())) +
                      24;
    table->setMinimumWidth(tableWidth);
    table->setFixedHeight(header->sizeHint().height() + rowHeight * kTableRows + 2 * kFrameWidth);
    // The place and its zone, on up to two lines, always with their room.
    QLabel* place = m_ui->lblPlace;
    place->setFixedHeight(QFontMetrics(place->font()).lineSpacing() * 2 + 2);
    place->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place->setMaximumWidth(tableWidth);
    m_ui->cboZone->lineEdit()->setPlaceholderText(tr("City, country or time zone"));
    // The sentence under the picture has its room whether it is shown or not, so the
    // window keeps its size from day to day.
    QLabel* note = m_ui->lblCuspNote;
    note->setFixedHeight(QFontMetrics(note->font()).lineSpacing() * 4 + 2);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QSizePolicy keepRoom = note->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    note->setSizePolicy(keepRoom);

    // Four lines (the longest reading, a time the clocks showed twice) fit without a
    // scroll bar: the box only scrolls for a last line it cannot show in full, so it
    // has a pixel more than the lines and the document's margins.
    PlainTextBox* reading = m_ui->txtReading;
    reading->setFixedHeight(QFontMetrics(reading->font()).lineSpacing() * 4 +
                            int(std::ceil(2 * reading->document()->documentMargin())) +
                            2 * kFrameWidth + 1);

    // A frame that shows which of the large controls has the keyboard: indigo like the
    // window around it, or the focus blue (see eventFilter). Only the colour changes.
    for (QFrame* frame : std::initializer_list<QFrame*>{table, m_ui->txtReading}) {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(kFrameWidth);
        colourFrame(frame, false);
        frame->installEventFilter(this);
    }
    m_ui->txtTime->installEventFilter(this);
    for (QComboBox* box : {m_ui->cboYear, m_ui->cboDay, m_ui->cboMonth})
        box->installEventFilter(this);
    m_ui->cboZone->lineEdit()->installEventFilter(this);
    // Whatever is pasted stays whole; a name that is no zone is refused as a whole.
    m_ui->cboZone->lineEdit()->setMaxLength(std::numeric_limits<int>::max());

    // The time box has its clear button's room from the start: it asks for that room
    // only while it holds text, and the whole row moved as the first digit was typed.
    m_ui->txtTime->setMinimumWidth(widthHolding(m_ui->txtTime, QStringLiteral("00:00")));
}

void SunChangesWindow::fillLists() {
    for (int year = Astro::kFirstYear; year <= Astro::kLastYear; ++year)
        m_ui->cboYear->addItem(QString::number(year));
    m_ui->cboMonth->addItems(LocalDates::monthNames());
    for (int day = 1; day <= 31; ++day)
        m_ui->cboDay->addItem(QString::number(day));

    QStringList zones;
    zones.reserve(Astro::offeredZoneIds().size());
    for (const QByteArray& id : Astro::offeredZoneIds())
        zones.append(QString::fromLatin1(id));
    m_ui->cboZone->addItems(zones);
    // The system's zone, or UTC where the system names none the zone finder knows.
    m_ui->cboZone->setCurrentIndex(zoneIndex(Astro::systemZone().id()));

    // While typing, the list offers what the zone finder finds for the text so far.
    m_zoneOffers = new QStringListModel(this);
    auto* completer = new QCompleter(m_zoneOffers, m_ui->cboZone);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(12);
    m_ui->cboZone->setCompleter(completer);
    // The box would take an offer it has no entry of (a city) as "no entry" and empty
    // itself; the window reads every offer chosen itself (connectCommands).
    QObject::disconnect(completer, nullptr, m_ui->cboZone, nullptr);

    showDate(QDate(Astro::kFirstYear, 1, 1));

    // The longest month's name whole ("September", "Septembre"), as the style draws the
    // box (its own size hint, taken before the box is first shown, is a word short).
    QComboBox* months = m_ui->cboMonth;
    int widest = 0;
    for (int i = 0; i < months->count(); ++i)
        widest = std::max(widest, months->fontMetrics().horizontalAdvance(months->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(months);
    // (The box's own hint reserves a pixel more than the text's advance.)
    const QSize room(widest + 1, months->fontMetrics().height());
    months->setMinimumWidth(
        months->style()->sizeFromContents(QStyle::CT_ComboBox, &option, room, months).width());

    // The table beside the birth: the window is wide rather than tall, and fits a
    // 1280 x 720 screen with a panel. It may grow (the table and picture take the
    // width, the room below them the height) but not shrink below what its controls
    // need, in the middle of the screen as the program's other windows.
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    resize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SunChangesWindow::connectCommands() {
    connect(m_ui->cboYear, &QComboBox::currentIndexChanged, this,
            &SunChangesWindow::yearOrMonthChosen);
    connect(m_ui->cboMonth, &QComboBox::currentIndexChanged, this,
            &SunChangesWindow::yearOrMonthChosen);
    connect(m_ui->cboDay, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_settingDate)
            showReading(Asked::No);
    });
    connect(m_ui->cboZone, &QComboBox::currentIndexChanged, this, &SunChangesWindow::zoneChosen);
    connect(m_ui->cboZone->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        // Several places found: their list opens once Enter has been handled (Enter in
        // the list of offers also closes it). One found: its reading is read out.
        const QString before = placeText();
        switch (zoneTyped(Asked::Yes)) {
        case Astro::ZoneMatch::Kind::Several: {
            QCompleter* completer = m_ui->cboZone->completer();
            QMetaObject::invokeMethod(
                completer, [completer] { completer->complete(); }, Qt::QueuedConnection);
            break;
        }
        case Astro::ZoneMatch::Kind::Exact:
            if (placeText() != before)
                readingAsked();
            break;
        case Astro::ZoneMatch::Kind::None:
            break;
        }
    });
    // A place picked from the list, by mouse or keyboard: a city is no entry of the box,
    // so the finder reads the offer back.
    connect(m_ui->cboZone->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            [this] { zoneTyped(Asked::No); });
    connect(m_ui->cboZone->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { offerZones(Astro::findZone(text)); });
    connect(m_ui->txtTime, &QLineEdit::returnPressed, this, &SunChangesWindow::readingAsked);
    connect(m_ui->cmdShow, &QPushButton::clicked, this, &SunChangesWindow::readingAsked);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &SunChangesWindow::savePicture);
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &SunChangesWindow::savePicture);
}

QDate SunChangesWindow::startDate(const BirthInput& input, QDate today) {
    bool yearRead = false;
    const int year = input.yearText.toInt(&yearRead);
    const int month = input.monthIndex + 1;
    if (!yearRead || !Astro::isSupportedYear(year) || month < 1 || month > 12)
        return withinOfferedYears(today.isValid() ? today : QDate(Astro::kFirstYear, 1, 1));
    const int day = std::max(1, input.dayIndex + 1);
    return QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
}

void SunChangesWindow::showDate(QDate date) {
    if (!date.isValid())
        return;
    date = withinOfferedYears(date);
    {
        const QSignalBlocker noYear(m_ui->cboYear);
        const QSignalBlocker noMonth(m_ui->cboMonth);
        m_ui->cboYear->setCurrentIndex(date.year() - Astro::kFirstYear);
        m_ui->cboMonth->setCurrentIndex(date.month() - 1);
    }
    m_settingDate = true;
    yearOrMonthChosen();
    m_ui->cboDay->setCurrentIndex(date.day() - 1);
    m_settingDate = false;
    if (m_zone.isValid()) {
        fillTable();
        showReading(Asked::No);
    }
}

SunChangesWindow::Choices SunChangesWindow::choices() const {
    return Choices{chosenDate(), m_zone.id(), m_ui->txtTime->text(), placeText()};
}

void SunChangesWindow::restore(const Choices& choices) {
    if (choices.place.isEmpty() || !chooseZone(choices.place.toUtf8()))
        chooseZone(choices.zoneId);
    m_ui->txtTime->setText(choices.time);
    m_timeAsked = choices.time;
    showDate(choices.date);
}

QDate SunChangesWindow::chosenDate() const {
    return QDate(Astro::kFirstYear + m_ui->cboYear->currentIndex(),
                 m_ui->cboMonth->currentIndex() + 1, m_ui->cboDay->currentIndex() + 1);
}

int SunChangesWindow::zoneIndex(const QByteArray& id) {
    // A zone the list leaves out (Etc/GMT+5, UTC+01:30) joins it in its place.
    QComboBox* zones = m_ui->cboZone;
    const QString name = QString::fromLatin1(id);
    int index = zones->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) {
        index = 0;
        while (index < zones->count() && zones->itemText(index) < name)
            ++index;
        zones->insertItem(index, name);
    }
    return index;
}

void SunChangesWindow::offerZones(const Astro::ZoneMatch& match) {
    QStringList offers;
    if (match.kind == Astro::ZoneMatch::Kind::Exact)
        offers.append(match.place ? match.place->offer() : QString::fromLatin1(match.zone.id()));
    else
        offers = Astro::offers(match);
    // Every zone offered is one of the box's entries, which choosing it selects; a
    // city is read back by the finder when it is chosen.
    if (!match.place && match.places.isEmpty()) {
        for (const QString& id : std::as_const(offers))
            zoneIndex(id.toLatin1());
    }
    m_zoneOffers->setStringList(offers);
    // The list is as wide as its longest offer ("Springfield, Illinois, United States —
    // America/Chicago"), not only as the box, within the screen.
    QAbstractItemView* list = m_ui->cboZone->completer()->popup();
    int widest = 0;
    for (const QString& offer : std::as_const(offers))
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(offer));
    const int room = screen() ? screen()->availableGeometry().width() : widest;
    list->setMinimumWidth(std::min(room, widest + 2 * list->frameWidth() + 12 +
                                             list->verticalScrollBar()->sizeHint().width()));
}

bool SunChangesWindow::chooseZone(const QByteArray& id) {
    const Astro::ZoneMatch match = Astro::findZone(QString::fromUtf8(id));
    if (match.kind != Astro::ZoneMatch::Kind::Exact)
        return false;
    applyZone(match);
    return true;
}

void SunChangesWindow::applyZone(const Astro::ZoneMatch& match) {
    QComboBox* zones = m_ui->cboZone;
    const int index = zoneIndex(match.zone.id());
    {
        const QSignalBlocker quiet(zones);
        zones->setCurrentIndex(index);
    }
    m_zone = match.zone;
    m_place = match.place;
    // The box shows the city's name, or the zone's own spelling (also when the same
    // entry is chosen again).
    m_placeShown = m_place ? m_place->name() : zones->itemText(index);
    zones->setEditText(m_placeShown);
    m_ui->lblPlace->setText(placeText());
    fillTable();
    showReading(Asked::No);
}

QString SunChangesWindow::placeText() const {
    return m_place ? m_place->offer() : QString::fromLatin1(m_zone.id());
}

void SunChangesWindow::yearOrMonthChosen() {
    // The day list holds the chosen month's days; a day it no longer has becomes
    // the month's last.
    const int year = Astro::kFirstYear + m_ui->cboYear->currentIndex();
    const int days = QDate(year, m_ui->cboMonth->currentIndex() + 1, 1).daysInMonth();
    QComboBox* dayBox = m_ui->cboDay;
    if (dayBox->count() != days) {
        const int day = std::min(dayBox->currentIndex() + 1, days);
        const bool wasSetting = m_settingDate;
        m_settingDate = true;
        while (dayBox->count() > days)
            dayBox->removeItem(dayBox->count() - 1);
        while (dayBox->count() < days)
            dayBox->addItem(QString::number(dayBox->count() + 1));
        dayBox->setCurrentIndex(day - 1);
        m_settingDate = wasSetting;
    }
    if (m_settingDate || !m_zone.isValid())
        return;
    if (sender() == m_ui->cboYear)
        fillTable();
    showReading(Asked::No);
}

void SunChangesWindow::zoneChosen(int index) {
    if (index < 0)
        return;
    // Every entry is a zone the finder knows by that name.
    const Astro::ZoneMatch match = Astro::findZone(m_ui->cboZone->itemText(index));
    if (match.kind == Astro::ZoneMatch::Kind::Exact)
        applyZone(match);
}

Astro::ZoneMatch::Kind SunChangesWindow::zoneTyped(Asked asked) {
    QComboBox* box = m_ui->cboZone;
    const QString typed = box->currentText().trimmed();
    if (typed.isEmpty() || typed == m_placeShown)
        return Astro::ZoneMatch::Kind::Exact;
    const Astro::ZoneMatch match = Astro::findZone(typed);
    if (match.kind == Astro::ZoneMatch::Kind::Exact) {
        applyZone(match);
        return match.kind;
    }
    if (match.kind == Astro::ZoneMatch::Kind::Several) {
        // The text stays; the list opens with the places that match, to choose one.
        offerZones(match);
        const qsizetype count = Astro::offers(match).size();
        //: %1 is what was typed, in quotation marks; %n is at least 2.
        m_ui->txtReading->setPlainText(
            (match.places.isEmpty()
                 ? tr("%n time zones match %1: choose one from the list.", nullptr, int(count))
                 : tr("%n places match %1: choose one from the list.", nullptr, int(count)))
                .arg(quoted(typed)));
        return match.kind;
    }
    box->setEditText(m_placeShown);
    if (asked == Asked::Yes) {
        //: %1 is what was typed, in quotation marks. The examples are what the place box
        //: finds: keep the city and zone names, give the country in the language.
        m_platform.notify(tr("No place or time zone is called %1. Type a city (Munich, "
                             "Springfield, Illinois), a country (Japan), a zone's name or part of "
                             "it (New York) or an offset (UTC+05:30), and choose from the list.")
                              .arg(quoted(typed)),
                          this);
    }
    return match.kind;
}

void SunChangesWindow::fillTable() {
    const int year = Astro::kFirstYear + m_ui->cboYear->currentIndex();
    QList<Astro::SignChange> changes = Astro::signChangesInYear(year, m_zone);
    if (!changes.isEmpty()) {
        // The change into Capricorn about a month before the year's first (Aquarius).
        const Astro::SignChange& first = changes.first();
        changes.prepend(Astro::signChangeNear(
            (first.sign + Astro::kSignCount - 2) % Astro::kSignCount + 1, first.tt - 30));
    }
    QTableWidget* table = m_ui->tblChanges;
    // A screen reader names each row by its sign, says the date in words and which
    // zone (and place) the times are in.
    const QString zoneName = QString::fromLatin1(m_zone.id());
    table->setAccessibleDescription(
        m_place ? tr("Local times in %1, the time zone of %2").arg(zoneName, m_place->name())
                : tr("Local times in %1").arg(zoneName));
    QStringList rowNames;
    for (int row = 0; row < kTableRows; ++row) {
        QStringList cells(4);
        QString spokenDate;
        if (row < changes.size()) {
            const Astro::SignChange& change = changes.at(row);
            // To the nearest minute, as the published tables and the reading below.
            const Astro::ClockReading clock = Astro::clockReading(change.utc, m_zone);
            cells = {Astro::signName(change.sign), clock.date.toString(Qt::ISODate), clock.time,
                     QStringLiteral("UTC") + Astro::offsetText(clock.offsetSeconds)};
            spokenDate = LocalDates::longDate(clock.date);
        }
        rowNames << cells.at(0);
        for (int column = 0; column < 4; ++column)
            table->item(row, column)->setText(cells.at(column));
        table->item(row, 1)->setData(Qt::AccessibleTextRole, spokenDate);
    }
    table->setVerticalHeaderLabels(rowNames);
}

void SunChangesWindow::highlightSign(int sign, QDate birthDay) {
    QTableWidget* table = m_ui->tblChanges;
    const QString name = Astro::signName(sign);
    // Capricorn has two rows, a year apart: the one the birth came after.
    int litRow = -1;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QDate changed = QDate::fromString(table->item(row, 1)->text(), Qt::ISODate);
        if (!name.isEmpty() && table->item(row, 0)->text() == name &&
            (litRow < 0 || changed <= birthDay))
            litRow = row;
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool lit = row == litRow;
        for (int column = 0; column < table->columnCount(); ++column) {
            QTableWidgetItem* cell = table->item(row, column);
            cell->setBackground(lit ? QBrush(Look::kLavender) : QBrush());
            QFont font = table->font();
            font.setBold(lit);
            cell->setFont(font);
        }
        table->item(row, 0)->setData(Qt::AccessibleDescriptionRole,
                                     lit ? tr("The Sun's sign at the birth") : QString());
    }
    // Tabbing into the table lands on the birth's row.
    if (litRow >= 0)
        table->selectionModel()->setCurrentIndex(table->model()->index(litRow, 0),
                                                 QItemSelectionModel::NoUpdate);
}

void SunChangesWindow::readingAsked() {
    if (showReading(Asked::Yes))
        m_ui->txtReading->setFocus(Qt::OtherFocusReason);
}

bool SunChangesWindow::showReading(Asked asked) {
    const QString text = m_ui->txtTime->text();
    if (asked == Asked::Yes)
        m_timeAsked = text;
    const QDate date = chosenDate();
    const TimeEntry entry = readTimeBox(text);
    QString reading;
    bool refuse = false;
    std::optional<QTime> birthTime;
    QList<QDateTime> birthMoments;
    int sign = 0;
    switch (entry.kind) {
    case TimeEntry::Kind::Empty:
        if (const std::optional<Astro::DayReading> day = Astro::readDay(date, m_zone)) {
            reading = Astro::dayText(*day, m_zone);
            sign = day->changed ? day->signEntered : day->sign;
        }
        break;
    case TimeEntry::Kind::Unreadable:
        reading = unreadableTimeText(text);
        refuse = true;
        break;
    case TimeEntry::Kind::Time:
        if (const auto readings = Astro::readTime(date, entry.time, m_zone)) {
            reading = Astro::timeText(date, entry.time, m_zone, *readings);
            refuse = readings->isEmpty();
            birthTime = entry.time;
            for (const Astro::TimeReading& one : *readings)
                birthMoments.append(one.utc);
            if (!refuse) {
                const Astro::TimeReading& first = readings->first();
                sign = first.changeInMinute ? first.changeInMinute->sign : first.sign;
            }
        }
        break;
    }
    highlightSign(sign, date);
    m_ui->txtReading->setPlainText(reading);
    showPicture(date, birthTime, birthMoments);
    if (refuse && asked == Asked::Yes)
        m_platform.notify(reading, this);
    return !refuse;
}

void SunChangesWindow::showPicture(QDate date, std::optional<QTime> time,
                                   const QList<QDateTime>& moments) {
    std::optional<Astro::DayReading> day = Astro::readDay(date, m_zone);
    // A day the zone skipped has no birth on it; the picture shows the change nearest
    // the day after.
    const bool exists = day && day->exists;
    if (day && !exists)
        day = Astro::readDay(date.addDays(1), m_zone);
    const std::optional<QString> sentence = Astro::cuspSentence(date, time, m_zone);
    m_ui->lblCuspNote->setText(sentence.value_or(QString()));
    m_ui->lblCuspNote->setVisible(sentence.has_value());
    if (!day || !day->exists) {
        m_ui->picSun->clear();
        return;
    }
    SunPicture::Scene scene;
    scene.zone = m_zone;
    scene.change = day->changed ? day->change : day->boundary;
    if (exists)
        scene.birthDay = date;
    scene.timeGiven = time.has_value();
    scene.birthMoments = moments;
    m_ui->picSun->setScene(scene);
}

void SunChangesWindow::savePicture() {
    const QString proposed =
        QStringLiteral("sun-%1.png").arg(chosenDate().toString(QStringLiteral("yyyy-MM-dd")));
    const std::optional<QString> path =
        m_platform.askSaveFileName(tr("Save Picture"), proposed, tr("PNG pictures (*.png)"), this);
    if (!path || path->isEmpty())
        return;
    // The place (or zone) heads the reading: the offsets alone do not say where.
    QString caption = (m_place ? tr("Birth place: %1") : tr("Time zone: %1")).arg(placeText()) +
                      QStringLiteral("\n\n") + m_ui->txtReading->toPlainText();
    if (!m_ui->lblCuspNote->text().isEmpty())
        caption += QStringLiteral("\n\n") + m_ui->lblCuspNote->text();
    const QImage image = m_ui->picSun->toImage(caption, std::max<qreal>(2, devicePixelRatioF()));
    // Written beside the chosen name and put in its place only when whole: a file of
    // that name already there is kept as it was if anything fails.
    QSaveFile file(*path);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return;
    //: %1 is the file's name in quotation marks, %2 the system's reason.
    m_platform.notify(tr("The picture could not be saved as %1: %2. Nothing was written there. "
                         "Choose a folder you may write to and save again.")
                          .arg(QStringLiteral("\u201c%1\u201d").arg(*path), file.errorString()),
                      this, Platform::Icon::Critical);
}

void SunChangesWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

void SunChangesWindow::keyPressEvent(QKeyEvent* event) {
    // Only keys no control took arrive here: an open list takes its own Escape and
    // Enter.
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Enter belongs to the control that has it (see eventFilter): it never presses
        // a button the focus is not on.
        event->accept();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool SunChangesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == m_ui->cboYear || watched == m_ui->cboDay || watched == m_ui->cboMonth)) {
        // Enter in a date box asks for the reading, as in the time box.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            readingAsked();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const bool in = event->type() == QEvent::FocusIn;
        if (watched == m_ui->tblChanges || watched == m_ui->txtReading) {
            colourFrame(static_cast<QFrame*>(watched), in);
        } else if (!in) {
            // Leaving a box for another control counts as asking; the window losing
            // the keyboard to another window or a menu does not.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool left = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                              reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
            if (left && watched == m_ui->txtTime && m_ui->txtTime->text() != m_timeAsked)
                showReading(Asked::Yes);
            else if (left && watched == m_ui->cboZone->lineEdit())
                zoneTyped(Asked::Yes);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SunChangesWindow::focusNextEntry(bool placeKnown) {
    // What the box holds is selected, so that typing replaces it.
    QLineEdit* box = placeKnown ? m_ui->txtTime : m_ui->cboZone->lineEdit();
    if (placeKnown)
        m_ui->txtTime->setFocus(Qt::OtherFocusReason);
    else
        m_ui->cboZone->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}
