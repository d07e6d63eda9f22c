#include "platform/unattended_report.h"

#include <QStringList>

namespace rimora {

UnattendedReport::UnattendedReport(bool active, std::FILE* out)
    : previous_(CurrentDesktop()), previousInstalled_(InstalledDesktop()), out_(out), active_(active)
{
    if (active_) SetDesktop(this);
}

UnattendedReport::~UnattendedReport()
{
    if (active_) SetDesktop(previousInstalled_);
}

void WriteLine(std::FILE* out, QStringList parts)
{
    parts.prepend(QStringLiteral("rimora"));
    QString line = parts.join(QStringLiteral(": "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(out, "%s\n", qUtf8Printable(line));
    std::fflush(out);
}

void UnattendedReport::ShowError(const QString& message)
{
    failed_ = true;
    WriteLine(out_, {message});
}

bool UnattendedReport::Confirm(const QString& title, const QString& question)
{
    WriteLine(out_, {title, question + QStringLiteral(" (answered no)")});
    return false;
}

SaveChangesAnswer UnattendedReport::AskSaveChanges(const QString& title, const QString& text)
{
    WriteLine(out_, {title, text + QStringLiteral(" (answered cancel)")});
    return SaveChangesAnswer::Cancel;
}

}  // namespace rimora
