#include "persist/ini_save.h"

#include "persist/settings_location.h"

namespace rimora {

TIniSave::TIniSave(IForm& owner) : parent_(owner) {}

QString TIniSave::FileName() const
{
    if (fFileName_.isEmpty()) return parent_.Name() + QStringLiteral(".ini");
    return fFileName_;
}

QString TIniSave::FilePath() const
{
    return ResolveSettingsPath(FileName());
}

bool TIniSave::Excluded(const Component& component) const
{
    const QString name = component.Name();
    return name.isEmpty() || st_.contains(name, Qt::CaseSensitive);
}

}  // namespace rimora
