#include "editor/fielddrag.h"

#include <QCoreApplication>
#include <QMimeData>

namespace gs {

namespace {

const QString fieldFormat = QStringLiteral("application/x-gitterstern-board-field");

QByteArray processTag()
{
    return QByteArray::number(QCoreApplication::applicationPid());
}

} // namespace

QMimeData *FieldDrag::createMimeData()
{
    auto *data = new QMimeData;
    data->setData(fieldFormat, processTag());
    return data;
}

bool FieldDrag::VerifyDragging(const QMimeData *data)
{
    return data && data->hasFormat(fieldFormat) && data->data(fieldFormat) == processTag();
}

} // namespace gs
