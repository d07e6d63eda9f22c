#include "platform/errors.h"

#include <QCoreApplication>

namespace rimora {

EListError EListError::OutOfBounds(long long index)
{
    return EListError(QCoreApplication::translate("Errors", "List index out of bounds (%1)").arg(index));
}

EProfileWriteError::EProfileWriteError(const QString& path)
    : RimoraError(QCoreApplication::translate("Errors", "Cannot write %1").arg(path)), path_(path)
{
}

}  // namespace rimora
