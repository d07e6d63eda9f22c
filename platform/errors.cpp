#include "platform/errors.h"

#include <QCoreApplication>

namespace rimora {

EListError EListError::OutOfBounds(long long index)
{
    return EListError(QCoreApplication::translate("Errors", "List index out of bounds (%1)").arg(index));
}

EFileWriteError::EFileWriteError(const QString& path, const QString& reason)
    : EInOutError(QCoreApplication::translate("Errors", "Cannot write %1: %2").arg(path, reason)),
      path_(path),
      reason_(reason)
{
}

}  // namespace rimora
