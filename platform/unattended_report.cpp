#include "platform/unattended_report.h"

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

void UnattendedReport::ShowError(const QString& message)
{
    failed_ = true;
    // One line per error, whatever line breaks the message holds.
    QString line = message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(out_, "%s: %s\n", qUtf8Printable(ApplicationTitle()), qUtf8Printable(line));
    std::fflush(out_);
}

bool UnattendedReport::Confirm(const QString& title, const QString& question)
{
    QString line = question;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(out_, "%s: %s: %s (answered no)\n", qUtf8Printable(ApplicationTitle()), qUtf8Printable(title),
                 qUtf8Printable(line));
    std::fflush(out_);
    return false;
}

SaveChangesAnswer UnattendedReport::AskSaveChanges(const QString& title, const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(out_, "%s: %s: %s (answered cancel)\n", qUtf8Printable(ApplicationTitle()), qUtf8Printable(title),
                 qUtf8Printable(line));
    std::fflush(out_);
    return SaveChangesAnswer::Cancel;
}

}  // namespace rimora
