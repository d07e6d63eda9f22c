#include "platform/version.h"

namespace rimora {

QString ProgramVersion()
{
    return QStringLiteral(RIMORA_VERSION);
}

QString ProgramTitle()
{
    return QStringLiteral("Rimora Ver") + ProgramVersion();
}

}  // namespace rimora
