// Carries the clock's tick decisions out on the document and the frame window.
#pragma once

#include <windows.h>

#include <functional>

#include "frame/frame_clock.h"

namespace vesm {

class CvesmDoc;

constexpr UINT_PTR kMinuteTimerId = 1;
constexpr UINT_PTR kRefreshTimerId = 2;

class DocumentTickTarget : public TickTarget {
public:
    using AlarmRaiser = std::function<void(std::size_t index)>;

    DocumentTickTarget(CvesmDoc& doc, HWND frame, AlarmRaiser raiseAlarm);

    DateTime Now() override;
    Settings CurrentSettings() override;
    bool PurgeOverdueTasks(DateTime reference) override;
    void SaveSettings() override;
    void SetDisplayDate(DateTime date) override;
    void RebuildDays() override;
    void InvalidateAll() override;
    void InvalidateClock() override;
    std::size_t TaskCount() override;
    bool IsTaskDue(std::size_t index, DateTime now) override;
    void ArmTick(int delayMs) override;
    void RaiseAlarm(std::size_t index) override;

private:
    CvesmDoc& doc_;
    HWND frame_;
    AlarmRaiser raiseAlarm_;
};

}  // namespace vesm
