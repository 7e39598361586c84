#include "platform/TimeText.h"

namespace numerava {

QString TimeFormatWithoutZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result.append(c);
            continue;
        }
        if (quoted || c != QLatin1Char('t')) {
            result.append(c);
            continue;
        }
        // A zone field: it goes with the spaces before it, or with those after it at the start.
        while (i + 1 < format.size() && format[i + 1] == QLatin1Char('t')) ++i;
        if (!result.trimmed().isEmpty()) {
            while (!result.isEmpty() && result.back().isSpace()) result.chop(1);
        } else {
            while (i + 1 < format.size() && format[i + 1].isSpace()) ++i;
        }
    }
    return result.trimmed();
}

QString LongTimeText(const QLocale& locale, const QTime& time) {
    return locale.toString(time, TimeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat)));
}

} // namespace numerava
