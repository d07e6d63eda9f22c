#pragma once
// Sets the region of the program (QLocale's default) for one test and puts
// the previous one back afterwards.
#include <QLocale>

namespace rimora::test {

class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) : previous_(QLocale()) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(previous_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale previous_;
};

// A point-decimal region with comma grouping, and a comma-decimal region with
// point grouping.
inline QLocale PointRegion() { return QLocale(QLocale::English, QLocale::UnitedStates); }
inline QLocale CommaRegion() { return QLocale(QLocale::German, QLocale::Germany); }

}  // namespace rimora::test
