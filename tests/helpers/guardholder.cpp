// Takes the single-instance guard, says "held" (or "refused") and then waits
// until it is killed.
#include "gui/app/csingleinstance.h"

#include <QCoreApplication>
#include <cstdio>
#include <thread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CSingleInstance guard(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("RI-viriru"));
    if (!guard.tryAcquire()) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}
