#include "Startup.h"

#include "Artwork.h"
#include "UApplication.h"
#include "UGlobal.h"
#include "Udm.h"
#include "Un_FrmMainT.h"

#include <memory>

namespace qh {

int RunProgram(const QString& folder)
{
    TApplication::SetTitle(ApplicationTitle());
    TApplication::setWindowIcon(ApplicationIcon());
    // The program lives on in the notification area while its window is
    // hidden; it ends only through "退出系统".
    TApplication::setQuitOnLastWindowClosed(false);

    auto FrmMainT = std::make_unique<TFrmMainT>();

    // The data module comes second: it reads "qhconfig.ini" and attaches
    // "qh.dll", or says why it could not and asks the program to end.
    TFrmDM FrmDM(folder);
    ReportErrors([&FrmDM] { FrmDM.DataModuleCreate(); });

    // Showing the window reads the birthday lists.
    FrmMainT->show();
    const int status = FrmDM.Terminated() ? 1 : TApplication::exec();
    // The window and its lists go before the connection they read through.
    FrmMainT.reset();
    return status;
}

} // namespace qh
