// qhbirthday: 青禾农历生日查询软件, the program entry. No arguments are read.

#include "Startup.h"
#include "UApplication.h"

int main(int argc, char* argv[])
{
    qh::TApplication application(argc, argv);
    return qh::RunProgram();
}
