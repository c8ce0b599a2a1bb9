// The program itself, with pieces of its work done ahead of time turned off for measuring their gain:
//   bench_tavrel [--without NAME]...   (see aheadflags.h)
#include "app/startup.h"
#include "bench/aheadflags.h"

int main(int argc, char *argv[])
{
    tavrel::bench::takeAheadFlags(argc, argv);
    return tavrel::RunApplication(argc, argv);
}
