#include "run_until.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool RunUntil(const std::function<bool()>& done, int boundMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < boundMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}
