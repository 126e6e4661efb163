// The captions drawn with the skin's glyph strips. They are translated like every other
// text, but drawn only with letters the skin has (see DrawCaption).
#pragma once

#include <QtGlobal>

namespace tesseron::captions {

// Options window.
inline const char* const Context = "Caption";
inline const char* const OptionsTitle = QT_TRANSLATE_NOOP("Caption", "O P T I O N S");
inline const char* const NumberOfColors = QT_TRANSLATE_NOOP("Caption", "NUMBER OF COLORS");
inline const char* const Sounds = QT_TRANSLATE_NOOP("Caption", "SOUNDS");
inline const char* const Music = QT_TRANSLATE_NOOP("Caption", "MUSIC");
inline const char* const Skin = QT_TRANSLATE_NOOP("Caption", "SKIN");
// Hall of fame and help window.
inline const char* const HallOfFame = QT_TRANSLATE_NOOP("Caption", "HALL OF FAME");
inline const char* const HelpTitle = QT_TRANSLATE_NOOP("Caption", "H E L P");

}  // namespace tesseron::captions
