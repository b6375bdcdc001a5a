#include "widgets/DesignedLayout.h"

#include <QStringList>

// Pixel sizes, not points: the layouts are fixed in pixels and do not scale.
// The Liberation and DejaVu fonts stand in where the designed ones are missing.
// No shaping: the texts are code, where a ligature such as "fi" would stand
// for two letters of an identifier as one character.
QFont DesignedWindowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(15);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont DesignedSmallFont()
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
