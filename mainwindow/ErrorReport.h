#pragma once
// The general error report. An error that no handler catches abandons the
// operation that raised it and is shown in a message box with the error's
// text and the application title as caption; the program carries on.

#include <exception>
#include <functional>

namespace qh {

// Shows the error through qh::Messages(), captioned with the application's
// display name (its title).
void ShowException(const std::exception& error);
// The same for an error that is not a std::exception.
void ShowUnknownException();

// Runs one handler. An exception escaping it is shown by the general error
// report instead of unwinding through the toolkit. Answers false when the
// handler failed.
bool RunHandler(const std::function<void()>& handler);

} // namespace qh
