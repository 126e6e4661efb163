// What screen readers see of the game: every window that draws its own controls
// (PaintedControls) is given an accessible interface with one child per control, and
// short announcements are spoken for what only shows or sounds (a refused launch, the
// end of a game, a new high score).
#pragma once

#include <QString>

class QWidget;

namespace tesseron {

// Makes Qt ask this program first for the interfaces of its painted windows; the
// ordinary widgets keep Qt's own. Call once before any window is shown; later calls
// change nothing.
void InstallAccessibility();

// Speaks `text` through the screen reader, as a notification of `window`. Without an
// assistive technology listening it costs one small object per window and nothing more.
void Announce(QWidget* window, const QString& text);

}  // namespace tesseron
