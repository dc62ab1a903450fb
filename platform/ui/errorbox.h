// The standard error box, and the two ways a handler deals with errors:
// reporting them in the box or swallowing them silently.
#pragma once

#include "core/error.h"

#include <QString>
#include <exception>

namespace vantrel {

// The message as the box shows it: "." appended when the message is not empty
// and its last character sorts after ".".
QString errorBoxText(const QString& message);

// Error icon, OK button, the application title as caption.
void showErrorBox(const QString& message);

inline constexpr const char* kApplicationTitle = "Vantrel";

// Runs a handler's work; an error that escapes it is shown in the box.
template <class Work> void reportErrors(Work&& work) {
    try {
        work();
    } catch (const EError& e) {
        showErrorBox(e.message());
    } catch (const std::exception& e) {
        showErrorBox(QString::fromLocal8Bit(e.what()));
    }
}

// Runs guarded steps: an error ends them silently. True when they completed.
template <class Work> bool swallowErrors(Work&& work) {
    try {
        work();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace vantrel
