#include "platform/errors.h"

namespace rimora {

EListError EListError::OutOfBounds(long long index)
{
    return EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

EProfileWriteError::EProfileWriteError(const QString& path)
    : RimoraError(QStringLiteral("%1 に書き込めません").arg(path)), path_(path)
{
}

}  // namespace rimora
