#pragma once
// Every event handler runs through RunGuarded: an error that escapes it is
// shown by the application's error report and goes no further, so Qt's event
// loop never sees an exception and the program keeps running. Each notice is
// guarded on its own, so an error in a nested notice is reported there and the
// outer handler goes on.
#include "platform/desktop.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <exception>
#include <functional>
#include <utility>

namespace rimora {

// Runs the handler; returns false when it ended with an error (already reported).
template <class Handler>
bool RunGuarded(Handler&& handler, const std::function<void(const QString&)>& report = {})
{
    QString message;
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const RimoraError& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QCoreApplication::translate("Errors", "Unexpected error");
    }
    if (report)
        report(message);
    else
        CurrentDesktop().ShowError(message);
    return false;
}

}  // namespace rimora
