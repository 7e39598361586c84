#pragma once
// The time of day as the system writes it, without the time zone: the contest's final screen shows
// when the contest ended, and a zone name beside it ("18:14:11 UTC") means nothing to a pupil.

#include <QLocale>
#include <QString>
#include <QTime>

namespace numerava {

// A Qt time format without its zone fields ("t" and its longer forms) and the spaces that set them
// apart; quoted text stays as it is. "h:mm:ss AP t" gives "h:mm:ss AP".
QString TimeFormatWithoutZone(const QString& format);

// `time` in the long time format of `locale`, without the zone.
QString LongTimeText(const QLocale& locale, const QTime& time);

} // namespace numerava
