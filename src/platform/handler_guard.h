#pragma once
// Runs an event handler so that a library error ends it with an error box and never crosses the
// Qt event loop. What the handler did before the error stays done.
#include "platform/dialogs.h"
#include "platform/errors.h"

#include <exception>
#include <utility>

template <typename Fn>
bool Guarded(Dialogs& dialogs, Fn&& handler) {
    try {
        std::forward<Fn>(handler)();
        return true;
    } catch (const PlatformError& e) {
        dialogs.showError(e.text());
    } catch (const std::exception& e) {
        dialogs.showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
