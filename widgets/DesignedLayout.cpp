#include "widgets/DesignedLayout.h"

#include <QStringList>

// Pixel sizes, not points: the layouts are fixed in pixels and do not scale.
// The Liberation and DejaVu fonts stand in where the designed ones are missing.
QFont DesignedWindowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(15);
    return font;
}

QFont DesignedSmallFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}
