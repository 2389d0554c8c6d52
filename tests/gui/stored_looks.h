// Pictures of the window compared with the ones stored beside the tests, so
// that anything drawn differently shows: a tint, an indent, a margin, a text.
// Rendering noise is set aside (see compare_with_stored_look). The stored
// pictures were taken with one Qt and one set of font files; where those
// differ, the comparison cannot be made and the test skips itself, saying
// looks_do_not_apply(), which CTest reports as a skip.
#pragma once

#include <QImage>
#include <QString>

namespace kumora {

// What decides how text is drawn here: Qt's version, the font files the
// window's fonts resolve to with their revisions, and the screen's pixel ratio.
QString drawing_fingerprint();

// Why a looks test skips itself: a fixed phrase CTest looks for, then what
// differs from the stored fingerprint.
QString looks_do_not_apply();

// True when the stored pictures were taken with this drawing_fingerprint()
// (with KUMORA_UPDATE_LOOKS=1, it is stored and true). Clears away the
// pictures an earlier run saved for its differences.
bool stored_looks_apply();

// Empty when `shown` matches the stored picture `name`; else what differs:
// the tiles of the picture where many pixels differ by more than a few
// shades (scattered pixels alone are rendering noise). A picture that
// differs is saved beside the build with a map of where.
// With KUMORA_UPDATE_LOOKS=1 the picture is stored instead.
QString compare_with_stored_look(const QImage& shown, const QString& name);

// The same for a written account of the window (`name`.txt): empty when the
// lines are the stored ones; else the first line that differs, the step it
// belongs to (the last line before it starting with "step "), and where the
// whole account shown was saved.
QString compare_with_stored_account(const QStringList& shown, const QString& name);

}  // namespace kumora
