#include "runtime/Timer.h"

namespace rt {

Timer::Timer(QObject* parent) : QObject(parent)
{
    mTimer.setTimerType(Qt::PreciseTimer);
    connect(&mTimer, &QTimer::timeout, this, [this] {
        if (Tick)
            Tick();
    });
}

void Timer::setEnabled(bool enabled)
{
    mEnabled = enabled;
    apply();
}

void Timer::setInterval(int milliseconds)
{
    mInterval = milliseconds;
    apply();
}

void Timer::apply()
{
    if (mEnabled && mInterval > 0) {
        if (!mTimer.isActive() || mTimer.interval() != mInterval)
            mTimer.start(mInterval);
    } else {
        mTimer.stop();
    }
}

}  // namespace rt
