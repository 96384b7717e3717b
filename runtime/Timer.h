#pragma once
// A timer control: raises Tick every Interval milliseconds while Enabled.
// An interval of 0 never ticks.

#include <QObject>
#include <QTimer>
#include <functional>

namespace rt {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    bool Enabled() const { return mEnabled; }
    void setEnabled(bool enabled);
    int Interval() const { return mInterval; }
    void setInterval(int milliseconds);

    std::function<void()> Tick;

private:
    void apply();

    QTimer mTimer;
    bool mEnabled = false;
    int mInterval = 0;
};

}  // namespace rt
