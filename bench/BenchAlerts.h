#pragma once

#include "alerts/Alerts.h"

#include <functional>

// The alerts as a benchmark sees them: only when the sound was asked for.
struct BenchAlerts : Alerts {
    void playSound(const QString &, const QString &, Sound) override {
        if (onSound)
            onSound();
    }
    void restoreWindow() override {}
    void notify(const QString &, const QString &, bool, bool) override {}
    Answer showMessage(const QString &, const QString &) override { return Answer::Ok; }
    void runProgram(const QString &) override {}
    bool isLeaving() const override { return false; }

    std::function<void()> onSound;
};
