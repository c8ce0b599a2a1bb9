#include "app/startup.h"

int main(int argc, char *argv[])
{
    return tavrel::RunApplication(argc, argv);
}
