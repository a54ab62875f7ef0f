#pragma once
// The program's start-up and run, after the application object exists:
// title, main window, data module, message loop.

#include <QString>

namespace qh {

// Runs the program with "qhconfig.ini" and "qh.dll" in `folder` (empty: the
// executable's folder). Answers the program's exit status: 0 after
// "退出系统", 1 when the register could not be attached.
int RunProgram(const QString& folder = QString());

} // namespace qh
