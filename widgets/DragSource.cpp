#include "widgets/DragSource.h"

#include <QMetaObject>
#include <QMimeData>

QMimeData* DragSourceData(const QObject& source)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(DragSourceMimeType), QByteArray(source.metaObject()->className()));
    return data;
}

bool IsDragFrom(const QMimeData* data, const char* className)
{
    const QString type = QString::fromLatin1(DragSourceMimeType);
    return data != nullptr && data->hasFormat(type) && data->data(type) == QByteArray(className);
}
