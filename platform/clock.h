#pragma once

#include <QDateTime>

// Where timestamps come from; tests give a fixed time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime time) : time_(std::move(time)) {}
    QDateTime now() const override { return time_; }
    void set(QDateTime time) { time_ = std::move(time); }
    void advanceSeconds(qint64 seconds) { time_ = time_.addSecs(seconds); }

private:
    QDateTime time_;
};
