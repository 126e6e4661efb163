// What the tests read and drive of the game window beyond what the application uses:
// its timers, hover state and surface, and the commands and ticks run directly.
#pragma once

#include "ui/UMain.h"

namespace tesseron::test {

struct MainProbe {
    TMain& w;

    // What the engine calls; the same object the game was given.
    GameHost& EngineHost() const { return w.host_; }
    const QTimer& StepTimer() const { return w.tmrSTEP; }
    const QTimer& SweepTimer() const { return w.AntiMinus; }
    const QTimer& ClockTimer() const { return w.tmrTime; }
    bool StepResting() const { return w.stepResting_; }
    const HoverState& Hover() const { return w.hover; }
    Surface& Canvas() const { return w.surface; }
    QPoint FieldOrigin() const { return {w.FieldLeft, w.FieldTop}; }
    const zoom::Zoom& Zoom() const { return w.zoom_; }
    // The lane the frame is drawn on, from the keys or the pointer; none while hidden.
    std::optional<cursor::Lane> FramedLane() const { return w.frameShown_ ? std::optional(w.cursor_) : std::nullopt; }
    QString HintAt(int X, int Y, layout::Box* control = nullptr) const { return w.HintAt(X, Y, control); }

    void FieldUpDate(bool full) const { w.FieldUpDate(full); }
    void StepTick() const { w.StepTick(); }
    void SweepTick() const { w.SweepTick(); }
    void ScoresClick() const { w.ScoresClick(); }
    void OptionsClick() const { w.OptionsClick(); }
    void Loadgame1Click() const { w.Loadgame1Click(); }
    void SaveClick() const { w.SaveClick(); }
};

inline MainProbe Probe(TMain& w) { return {w}; }

}  // namespace tesseron::test
