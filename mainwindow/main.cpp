// qhbirthday: 青禾农历生日查询软件, the program entry.

#include "Artwork.h"
#include "UApplication.h"
#include "Un_FrmMainT.h"

int main(int argc, char* argv[])
{
    qh::TApplication application(argc, argv);
    qh::TApplication::SetTitle(QString::fromUtf8(qh::ApplicationTitle));
    qh::TApplication::setWindowIcon(qh::ApplicationIcon());
    // The program lives on in the notification area when its window is
    // hidden; it ends only through "退出系统".
    qh::TApplication::setQuitOnLastWindowClosed(false);

    qh::TFrmMainT FrmMainT;

    // The data module that attaches the birthday database is created here,
    // after the main window; it arrives with the birthday store.

    FrmMainT.show();
    return qh::TApplication::exec();
}
