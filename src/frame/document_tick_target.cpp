#include "frame/document_tick_target.h"

#include "doc/doc.h"

namespace vesm {

namespace {

// The view fills the frame's client area, so its rectangles are the frame's;
// RDW_ALLCHILDREN carries the invalidation down to the view.
void Invalidate(HWND frame, const RECT* area) {
    RedrawWindow(frame, area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

DocumentTickTarget::DocumentTickTarget(CvesmDoc& doc, HWND frame, AlarmRaiser raiseAlarm)
    : doc_(doc), frame_(frame), raiseAlarm_(std::move(raiseAlarm)) {}

DateTime DocumentTickTarget::Now() {
    return doc_.Host().Now();
}

Settings DocumentTickTarget::CurrentSettings() {
    return doc_.GetSettings();
}

bool DocumentTickTarget::PurgeOverdueTasks(DateTime reference) {
    return doc_.PurgeOverdueTasks(reference);
}

void DocumentTickTarget::SaveSettings() {
    doc_.SaveSettings();
}

void DocumentTickTarget::SetDisplayDate(DateTime date) {
    doc_.SetDisplayDate(date);
}

void DocumentTickTarget::RebuildDays() {
    doc_.RebuildDays();
}

void DocumentTickTarget::InvalidateAll() {
    Invalidate(frame_, nullptr);
}

void DocumentTickTarget::InvalidateClock() {
    const RECT pixel{1, 1, 2, 2};
    Invalidate(frame_, &pixel);
    const Rect clock = doc_.ClockRect();
    const RECT area{clock.left, clock.top, clock.right, clock.bottom};
    Invalidate(frame_, &area);
}

std::size_t DocumentTickTarget::TaskCount() {
    return doc_.TaskCount();
}

bool DocumentTickTarget::IsTaskDue(std::size_t index, DateTime now) {
    return doc_.IsTaskDueAt(index, now);
}

void DocumentTickTarget::ArmTick(int delayMs) {
    SetTimer(frame_, kMinuteTimerId, static_cast<UINT>(delayMs), nullptr);
}

void DocumentTickTarget::RaiseAlarm(std::size_t index) {
    if (raiseAlarm_) raiseAlarm_(index);
}

}  // namespace vesm
