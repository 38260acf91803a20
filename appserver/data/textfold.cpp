#include "textfold.h"

namespace appserver {

QString FoldSearchText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'i':
        case u'ı':
        case u'İ':
        case u'I':
            out += QLatin1Char('I');
            break;
        case u'ğ':
        case u'Ğ':
            out += QLatin1Char('G');
            break;
        case u'ü':
        case u'Ü':
            out += QLatin1Char('U');
            break;
        case u'ş':
        case u'Ş':
            out += QLatin1Char('S');
            break;
        case u'ö':
        case u'Ö':
            out += QLatin1Char('O');
            break;
        case u'ç':
        case u'Ç':
            out += QLatin1Char('C');
            break;
        default:
            out += c.toUpper();
        }
    }
    return out;
}

} // namespace appserver
