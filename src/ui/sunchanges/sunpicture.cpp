#include "sunpicture.h"

#include "astrotexts.h"
#include "localdates.h"
#include "signs.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QIcon>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kDaysAround = 5; // days shown either side of the change's day
constexpr int kCuspFirstDay = 19;
constexpr int kCuspLastDay = 23;
constexpr qreal kMargin = 8;
constexpr qreal kIconSize = 28;
constexpr qreal kGap = 4;
constexpr qint64 kMsecsPerDay = 86400000;

int signBefore(int sign) {
    return (sign + Astro::kSignCount - 2) % Astro::kSignCount + 1;
}

QString dayMonth(QDate date) {
    return LocalDates::dayMonth(date);
}

QString fullDate(QDate date) {
    return LocalDates::longDate(date);
}

QPixmap signPicture(int sign, qreal side, qreal ratio) {
    const QString key = QStringLiteral("sunpicture-%1-%2-%3").arg(sign).arg(side).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const int pixels = int(std::lround(side));
        pixmap = QIcon(signPicturePath(sign)).pixmap(QSize(pixels, pixels), ratio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

// Assistive tools are told the picture is a graphic, not a pane to look into.
QAccessibleInterface* pictureAccount(const QString& className, QObject* object) {
    if (className == QLatin1String("SunPicture") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

SunPicture::SunPicture(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(pictureAccount);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    describe();
}

void SunPicture::setScene(const Scene& scene) {
    m_scene = scene;
    m_hasScene = scene.zone.isValid() && scene.change.utc.isValid();
    m_dayStarts.clear();
    if (m_hasScene) {
        m_changeDay = scene.change.utc.toTimeZone(scene.zone).date();
        m_firstDay = m_changeDay.addDays(-kDaysAround);
        m_lastDay = m_changeDay.addDays(kDaysAround);
        if (scene.birthDay.isValid()) {
            m_firstDay = std::min(m_firstDay, scene.birthDay);
            m_lastDay = std::max(m_lastDay, scene.birthDay);
        }
        // A day the zone skipped has no length; a column it still gets.
        qint64 previous = std::numeric_limits<qint64>::min();
        for (QDate day = m_firstDay; day <= m_lastDay.addDays(1); day = day.addDays(1)) {
            const QDateTime start = day.startOfDay(scene.zone);
            qint64 at =
                start.isValid() && start.date() == day
                    ? start.toMSecsSinceEpoch()
                    : QDateTime(day, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() -
                          qint64(scene.zone.offsetFromUtc(QDateTime(day, QTime(0, 0), Qt::UTC))) *
                              1000;
            at = std::max(at, previous);
            m_dayStarts.append(at);
            previous = at;
        }
    }
    describe();
    update();
}

void SunPicture::clear() {
    setScene(Scene{});
}

qreal SunPicture::plotLeft() const {
    return kMargin;
}

qreal SunPicture::plotRight() const {
    return width() - kMargin;
}

SunPicture::Rows SunPicture::rows() const {
    Rows r{};
    r.lineHeight = fontMetrics().height();
    r.signTop = kMargin / 2;
    r.signHeight = std::max(kIconSize, r.lineHeight);
    r.changeTop = r.signTop + r.signHeight + kGap;
    r.bandTop = r.changeTop + r.lineHeight + 2;
    r.bandBottom = r.bandTop + std::max(56.0, 3 * r.lineHeight + 14);
    r.numbersTop = r.bandBottom + 6;
    r.monthTop = r.numbersTop + r.lineHeight;
    return r;
}

QSize SunPicture::sizeHint() const {
    const Rows r = rows();
    return QSize(470, int(std::ceil(r.monthTop + r.lineHeight + kMargin / 2)));
}

QSize SunPicture::minimumSizeHint() const {
    return QSize(300, sizeHint().height());
}

QRectF SunPicture::dayRect(QDate day) const {
    if (!m_hasScene || day < m_firstDay || day > m_lastDay)
        return {};
    const qreal column = (plotRight() - plotLeft()) / qreal(m_firstDay.daysTo(m_lastDay) + 1);
    const Rows r = rows();
    return QRectF(plotLeft() + column * qreal(m_firstDay.daysTo(day)), r.bandTop, column,
                  r.bandBottom - r.bandTop);
}

qreal SunPicture::xAt(const QDateTime& utc) const {
    if (!m_hasScene || m_dayStarts.size() < 2)
        return plotLeft();
    const qint64 at = utc.toMSecsSinceEpoch();
    const auto next = std::upper_bound(m_dayStarts.cbegin(), m_dayStarts.cend(), at);
    if (next == m_dayStarts.cbegin())
        return plotLeft();
    if (next == m_dayStarts.cend())
        return plotRight();
    const qsizetype day = next - m_dayStarts.cbegin() - 1;
    const qint64 length = std::max<qint64>(1, *next - *(next - 1));
    const qreal fraction = qreal(at - *(next - 1)) / qreal(length);
    const QRectF column = dayRect(m_firstDay.addDays(day));
    return column.left() + column.width() * fraction;
}

QRectF SunPicture::cuspRect() const {
    if (!m_hasScene)
        return {};
    const QDate first(m_changeDay.year(), m_changeDay.month(), kCuspFirstDay);
    const QDate last(m_changeDay.year(), m_changeDay.month(), kCuspLastDay);
    const QRectF from = dayRect(std::max(first, m_firstDay));
    const QRectF to = dayRect(std::min(last, m_lastDay));
    if (from.isNull() || to.isNull() || last < m_firstDay || first > m_lastDay)
        return {};
    return from.united(to);
}

QList<QRectF> SunPicture::birthMarks() const {
    QList<QRectF> marks;
    if (!m_hasScene || !m_scene.birthDay.isValid())
        return marks;
    const Rows r = rows();
    const qreal top = r.bandBottom - r.lineHeight - 6;
    if (!m_scene.timeGiven) {
        const QRectF day = dayRect(m_scene.birthDay);
        marks.append(QRectF(day.left() + 2, top, day.width() - 4, r.lineHeight + 4));
        return marks;
    }
    for (const QDateTime& moment : m_scene.birthMoments)
        marks.append(QRectF(xAt(moment), top, 0, r.bandBottom - top));
    return marks;
}

int SunPicture::signLeft() const {
    return signBefore(m_scene.change.sign);
}

QString SunPicture::changeLabel() const {
    return Astro::localMinuteText(m_scene.change.utc, m_scene.zone);
}

QString SunPicture::cuspLabel() {
    //: Written over the shaded days of the picture that the calendar counts as a cusp.
    return tr("cusp days");
}

QString SunPicture::birthLabel() const {
    if (!m_scene.birthDay.isValid() || (m_scene.timeGiven && m_scene.birthMoments.isEmpty()))
        return QString();
    if (!m_scene.timeGiven)
        //: The picture's mark of the birth day, when no time was given.
        return tr("birth");
    const QString time = Astro::clockReading(m_scene.birthMoments.first(), m_scene.zone).time;
    //: The picture's mark of the birth: %1 is the clock time (14:30).
    return m_scene.birthMoments.size() > 1 ? tr("birth %1, twice").arg(time)
                                           : tr("birth %1").arg(time);
}

QStringList SunPicture::monthLabels() const {
    QStringList months;
    for (QDate day = m_firstDay; day <= m_lastDay; day = day.addDays(1)) {
        if (day == m_firstDay || day.day() == 1)
            months.append(LocalDates::monthYear(day));
    }
    return months;
}

QStringList SunPicture::labels() const {
    if (!m_hasScene)
        return {};
    QStringList texts{Astro::signName(signLeft()), Astro::signName(m_scene.change.sign),
                      changeLabel()};
    if (!cuspRect().isNull())
        texts.append(cuspLabel());
    if (const QString birth = birthLabel(); !birth.isEmpty())
        texts.append(birth);
    for (QDate day = m_firstDay; day <= m_lastDay; day = day.addDays(1))
        texts.append(QString::number(day.day()));
    texts.append(monthLabels());
    return texts;
}

void SunPicture::describe() {
    if (!m_hasScene) {
        setAccessibleName(tr("Picture of the sign change"));
        setAccessibleDescription(tr("Nothing to show."));
        return;
    }
    const QString left = Astro::signName(signLeft());
    const QString entered = Astro::signName(m_scene.change.sign);
    const QString change = changeLabel();
    //: %1 is the sign, %2 the date, %3 the clock time.
    setAccessibleName(tr("Picture of the sign change: the Sun entered %1 on %2 at %3")
                          .arg(entered, fullDate(m_changeDay), change));

    QString text =
        //: %1 is a day and month, %2 a date, %3 a time zone's name.
        tr("Local days from %1 to %2 in %3.")
            .arg(dayMonth(m_firstDay), fullDate(m_lastDay), QString::fromUtf8(m_scene.zone.id()));
    if (!cuspRect().isNull())
        //: %1 is a day's number, %2 a day and month: the cusp days run from the first to the second.
        text += QLatin1Char(' ') + tr("Shaded, the cusp days of the calendar rule: %1 to %2.")
                    .arg(kCuspFirstDay)
                    .arg(dayMonth(QDate(m_changeDay.year(), m_changeDay.month(), kCuspLastDay)));
    //: %1 and %4 are signs, %2 the clock time, %3 a day and month.
    text += QLatin1Char(' ') + tr("A line marks the change: the Sun was in %1 before %2 on %3 and "
                                  "in %4 after.")
                .arg(left, change, dayMonth(m_changeDay), entered);
    if (m_scene.birthDay.isValid()) {
        const auto signAt = [&](const QDateTime& moment) {
            return moment < m_scene.change.utc ? left : entered;
        };
        if (!m_scene.timeGiven) {
            //: %1 is a day and month.
            text += QLatin1Char(' ') +
                    (m_scene.birthDay == m_changeDay
                         ? tr("Birth: marked on %1, the day of the change.")
                               .arg(dayMonth(m_scene.birthDay))
                         //: %1 is a day and month, %2 the sign the Sun was in all that day.
                         : tr("Birth: marked on %1, in %2 all day.")
                               .arg(dayMonth(m_scene.birthDay),
                                    m_scene.birthDay < m_changeDay ? left : entered));
        } else if (m_scene.birthMoments.isEmpty()) {
            //: %1 is a day and month, %2 a time zone's name.
            text += QLatin1Char(' ') +
                    tr("No birth mark: the time given did not happen on %1 in %2.")
                        .arg(dayMonth(m_scene.birthDay), QString::fromUtf8(m_scene.zone.id()));
        } else {
            QStringList marks;
            for (const QDateTime& moment : m_scene.birthMoments) {
                const qint64 since = m_scene.change.utc.msecsTo(moment);
                //: %1 is the clock time, %2 a sign, %3 a duration (2 hours 5 minutes).
                marks.append((since < 0 ? tr("%1, in %2, %3 before the change")
                                        : tr("%1, in %2, %3 after the change"))
                                 .arg(Astro::localMinuteText(moment, m_scene.zone),
                                      signAt(moment), Astro::durationText(since)));
            }
            //: %1 is a day and month, %2 the birth's moments, each as "14:30, in Leo, 2
            //: hours after the change", joined by semicolons.
            text += QLatin1Char(' ') +
                    (marks.size() > 1 ? tr("Birth: marked twice, the clocks having shown the time "
                                           "twice, on %1: %2.")
                                      : tr("Birth: marked at its moment on %1: %2."))
                        .arg(dayMonth(m_scene.birthDay), marks.join(QStringLiteral("; ")));
        }
    }
    setAccessibleDescription(text);
}

void SunPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect());
}

QImage SunPicture::toImage(const QString& caption, qreal scale) const {
    constexpr int kPadding = 10;
    const QFontMetrics metrics = fontMetrics();
    const QRect captionArea = metrics.boundingRect(QRect(0, 0, width() - 2 * kPadding, 100000),
                                                   Qt::TextWordWrap, caption);
    const QSize size(width(), height() + captionArea.height() + 2 * kPadding);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    // The caption also as the file's description, for viewers that show one and for
    // those who cannot see the picture.
    image.setText(QStringLiteral("Description"), caption);
    image.fill(palette().color(QPalette::Base));
    QPainter painter(&image);
    painter.setFont(font());
    paint(painter, QRectF(0, 0, width(), height()));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(
        QRect(kPadding, height() + kPadding, width() - 2 * kPadding, captionArea.height()),
        Qt::TextWordWrap, caption);
    return image;
}

void SunPicture::paint(QPainter& painter, const QRectF& area) const {
    const QPalette& colours = palette();
    const QColor base = colours.color(QPalette::Base);
    const QColor ink = colours.color(QPalette::Text);
    QColor faint = ink;
    faint.setAlpha(110);
    QColor shade = colours.color(QPalette::Highlight);
    shade.setAlpha(60);
    const QColor mark = colours.color(QPalette::Highlight);
    const QColor markText = colours.color(QPalette::HighlightedText);

    painter.fillRect(area, base);
    painter.setPen(QPen(faint, 1));
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    if (!m_hasScene)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const Rows r = rows();
    const QFontMetricsF metrics(painter.font());
    const qreal changeX = xAt(m_scene.change.utc);
    const auto clampedText = [&](qreal centre, qreal top, const QString& text,
                                 const QColor& colour) {
        const qreal width = metrics.horizontalAdvance(text);
        const qreal left =
            std::clamp(centre - width / 2, plotLeft(), std::max(plotLeft(), plotRight() - width));
        painter.setPen(colour);
        painter.drawText(QRectF(left, top, width + 1, r.lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        return QRectF(left, top, width, r.lineHeight);
    };

    // The cusp days of the calendar rule.
    if (const QRectF cusp = cuspRect(); !cusp.isNull()) {
        painter.fillRect(cusp, shade);
        // Centred on the shading, or on its wider side of the change's line when the
        // line would run through the words.
        const QString label = cuspLabel();
        const qreal half = metrics.horizontalAdvance(label) / 2 + 3;
        qreal centre = cusp.center().x();
        if (std::abs(centre - changeX) < half)
            centre = changeX - cusp.left() > cusp.right() - changeX
                         ? std::max(cusp.left() + half, changeX - half)
                         : std::min(cusp.right() - half, changeX + half);
        clampedText(centre, r.bandTop + 2, label, ink);
    }

    // The time line: a tick at each day's start, the day's number in its column, the
    // month's name under its first day shown.
    painter.setPen(QPen(ink, 1));
    painter.drawLine(QPointF(plotLeft(), r.bandBottom), QPointF(plotRight(), r.bandBottom));
    qreal monthEnd = plotLeft();
    for (QDate day = m_firstDay; day <= m_lastDay.addDays(1); day = day.addDays(1)) {
        const qreal x = day <= m_lastDay ? dayRect(day).left() : plotRight();
        painter.setPen(QPen(faint, 1));
        painter.drawLine(QPointF(x, r.bandTop), QPointF(x, r.bandBottom));
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(x, r.bandBottom), QPointF(x, r.bandBottom + 5));
        if (day <= m_lastDay) {
            const QRectF column = dayRect(day);
            painter.drawText(QRectF(column.left(), r.numbersTop, column.width(), r.lineHeight),
                             Qt::AlignCenter, QString::number(day.day()));
            if (day == m_firstDay || day.day() == 1) {
                // Under its first day, or as far left as it must go to be read whole,
                // but never over the month before.
                const QString month = LocalDates::monthYear(day);
                const qreal width = metrics.horizontalAdvance(month);
                const qreal left = std::max(monthEnd, std::min(column.left(), plotRight() - width));
                painter.drawText(QRectF(left, r.monthTop, width + 1, r.lineHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, month);
                monthEnd = left + width + 2 * kGap;
            }
        }
    }

    // The two signs, each on its side of the change, with its picture.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const auto drawSign = [&](int sign, qreal from, qreal to, bool towardsLeft) {
        const QString name = Astro::signName(sign);
        const qreal width = kIconSize + kGap + metrics.horizontalAdvance(name);
        qreal left = (from + to - width) / 2;
        if (width > to - from)
            left = towardsLeft ? from : to - width;
        left = std::clamp(left, plotLeft(), std::max(plotLeft(), plotRight() - width));
        const QPixmap picture = signPicture(sign, kIconSize, ratio);
        painter.drawPixmap(QRectF(left, r.signTop, kIconSize, kIconSize), picture,
                           QRectF(picture.rect()));
        painter.setPen(ink);
        painter.drawText(QRectF(left + kIconSize + kGap, r.signTop, width, r.signHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
    };
    drawSign(signLeft(), plotLeft(), changeX - kGap, true);
    drawSign(m_scene.change.sign, changeX + kGap, plotRight(), false);

    // The change: a line at its moment, with its local time.
    painter.setPen(QPen(ink, 2));
    painter.drawLine(QPointF(changeX, r.changeTop + r.lineHeight), QPointF(changeX, r.bandBottom));
    clampedText(changeX, r.changeTop, changeLabel(), ink);

    // The birth.
    const QList<QRectF> marks = birthMarks();
    const QString label = birthLabel();
    if (marks.isEmpty() || label.isEmpty())
        return;
    if (!m_scene.timeGiven) {
        const QRectF day = marks.first();
        painter.fillRect(day, mark);
        const qreal width = metrics.horizontalAdvance(label);
        if (width + 4 <= day.width())
            clampedText(day.center().x(), day.top() + 2, label, markText);
        else
            clampedText(day.center().x(), day.top() - r.lineHeight - 2, label, ink);
        return;
    }
    painter.setPen(QPen(mark, 2));
    painter.setBrush(mark);
    for (const QRectF& line : marks) {
        painter.drawLine(line.topLeft(), line.bottomLeft());
        QPainterPath arrow;
        arrow.moveTo(line.left(), line.bottom() - 6);
        arrow.lineTo(line.left() - 4, line.bottom());
        arrow.lineTo(line.left() + 4, line.bottom());
        arrow.closeSubpath();
        painter.drawPath(arrow);
    }
    // The label beside the last mark, on the side with room, on a patch of the
    // background so that no line runs through it.
    const QRectF last = marks.last();
    const qreal width = metrics.horizontalAdvance(label) + 6;
    const qreal left =
        last.left() + 6 + width <= plotRight() ? last.left() + 6 : last.left() - 6 - width;
    const QRectF patch(std::max(plotLeft(), left), last.top() - 2, width, r.lineHeight + 2);
    painter.fillRect(patch, base);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(mark);
    painter.drawRect(patch);
    painter.setPen(ink);
    painter.drawText(patch, Qt::AlignCenter, label);
}
