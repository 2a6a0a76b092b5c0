#pragma once

#include "signchanges.h"

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <QTimeZone>
#include <QWidget>

class QPainter;

// A picture of the days around a sign change of the Sun, with a birth on it: a time
// line of the zone's local days, numbered; the calendar rule's cusp days (19 to 23 of
// the change's month) shaded; the change as a line with its local time; the sign left
// and the sign entered on either side, with their pictures; the birth as a mark on its
// day, or at its moment (two for a time the clocks showed twice, none for one they
// skipped).
//
// It only draws what the window hands it, in logical coordinates (sharp at any scale)
// and in the colours of its palette. Assistive tools see a graphic whose name and
// description tell what it shows.
class SunPicture : public QWidget {
    Q_OBJECT

public:
    struct Scene {
        QTimeZone zone;
        // The change nearest the birth day; `change.sign` is the sign entered.
        Astro::SignChange change;
        // The birth day (none when invalid) and, with a time of birth, the moments the
        // clocks showed it (UTC): one, two for a repeated hour, none for a skipped time.
        QDate birthDay;
        bool timeGiven = false;
        QList<QDateTime> birthMoments;
    };

    explicit SunPicture(QWidget* parent = nullptr);

    // Shows a scene (redrawn at once), or nothing.
    void setScene(const Scene& scene);
    void clear();
    bool hasScene() const { return m_hasScene; }
    const Scene& scene() const { return m_scene; }

    // The local days shown, first and last.
    QDate firstDay() const { return m_firstDay; }
    QDate lastDay() const { return m_lastDay; }
    // Where things are drawn, in the widget's logical coordinates.
    QRectF dayRect(QDate day) const;
    qreal xAt(const QDateTime& utc) const;
    QRectF cuspRect() const;
    // The birth marks: the day's span, or a moment's line (a rectangle of no width).
    QList<QRectF> birthMarks() const;
    // Every text drawn, left to right, top to bottom.
    QStringList labels() const;

    // The picture at `scale` pixels per logical pixel with `caption` (the reading)
    // written under it: what "Save Picture..." writes.
    QImage toImage(const QString& caption, qreal scale) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Rows {
        qreal signTop, signHeight, changeTop, bandTop, bandBottom, numbersTop, monthTop, lineHeight;
    };
    Rows rows() const;
    qreal plotLeft() const;
    qreal plotRight() const;
    int signLeft() const;
    QString changeLabel() const;
    QString birthLabel() const;
    // The words over the shaded cusp days.
    static QString cuspLabel();
    QStringList monthLabels() const;
    void describe();
    void paint(QPainter& painter, const QRectF& area) const;

    bool m_hasScene = false;
    Scene m_scene;
    QDate m_firstDay;
    QDate m_lastDay;
    QDate m_changeDay;
    // The first instant of each local day shown and of the day after (UTC msecs).
    QList<qint64> m_dayStarts;
};
