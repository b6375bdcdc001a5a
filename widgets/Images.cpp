#include "widgets/Images.h"

#include "widgets/TrayLogic.h"

#include <QFile>
#include <QString>

#include <array>

// The pictures live in a static library, whose resource object the linker
// would drop unless something refers to it. (Outside any namespace: the
// macro declares the resource's initialiser where it stands.)
static void LoadPictures()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(vantrel);
        return true;
    }();
    (void)loaded;
}

namespace {

QString PicturePath(const QString& name)
{
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

} // namespace

QIcon AppIcon()
{
    LoadPictures();
    QIcon icon(PicturePath(QStringLiteral("vantrel")));
    return icon;
}

QIcon ToolPicture(const char* name)
{
    LoadPictures();
    const QString base = QString::fromLatin1(name);
    QIcon icon;
    icon.addFile(PicturePath(base), QSize(16, 16), QIcon::Normal);
    const QString disabled = PicturePath(base + QStringLiteral("_disabled"));
    if (QFile::exists(disabled))
        icon.addFile(disabled, QSize(16, 16), QIcon::Disabled);
    return icon;
}

QIcon TrayImage(int index)
{
    static constexpr std::array<const char*, TrayImageCounter::ImageCount> names = {"tray_e", "tray_s", "tray_i",
                                                                                    "tray_w", "tray_e"};
    LoadPictures();
    if (index < 0 || index >= static_cast<int>(names.size()))
        return {};
    return QIcon(PicturePath(QString::fromLatin1(names[static_cast<std::size_t>(index)])));
}
