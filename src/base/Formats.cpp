#include "base/Formats.h"

#include <QLocale>

namespace Formats {

void applyProcessFormats()
{
    QLocale it(QLocale::Italian, QLocale::Italy);
    it.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(it);
}

} // namespace Formats
