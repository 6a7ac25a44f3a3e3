#include "ui/AppIcon.h"

#include <QString>

namespace tamb {

QIcon ApplicationIcon()
{
    static const QIcon icon(QStringLiteral(":/tamb/tamb-setup.svg"));
    return icon;
}

} // namespace tamb
