#include "app/german_number.h"

#include <QLocale>

namespace app {

QString germanNumber(double value)
{
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    return german.toString(value, 'g', 4);
}

} // namespace app
