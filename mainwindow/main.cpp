// qhbirthday: 青禾农历生日查询软件, the program entry.

#include "Artwork.h"
#include "UApplication.h"
#include "UGlobal.h"
#include "Udm.h"
#include "Un_FrmMainT.h"

#include <memory>

int main(int argc, char* argv[])
{
    qh::TApplication application(argc, argv);
    qh::TApplication::SetTitle(qh::ApplicationTitle());
    qh::TApplication::setWindowIcon(qh::ApplicationIcon());
    // The program lives on in the notification area while its window is
    // hidden; it ends only through "退出系统".
    qh::TApplication::setQuitOnLastWindowClosed(false);

    auto FrmMainT = std::make_unique<qh::TFrmMainT>();

    // The data module comes second: it reads "qhconfig.ini" and attaches
    // "qh.dll" beside the executable, or says why it could not.
    qh::TFrmDM FrmDM;
    qh::ReportErrors([&FrmDM] { FrmDM.DataModuleCreate(); });

    // Showing the window reads the birthday lists.
    FrmMainT->show();
    int status = 1;
    if (!FrmDM.Terminated())
        status = qh::TApplication::exec();
    // The window and its lists go before the connection they read through.
    FrmMainT.reset();
    return status;
}
