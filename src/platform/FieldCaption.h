#pragma once

#include <QRectF>
#include <QString>

#include <span>

// The caption a user reads for an entry box, found from where the fixed
// texts of its window stand, so that a message can name a field by the words
// on the screen ("Case No", "Petitioner") instead of its control name.
namespace platform {

// A fixed text (a label, a heading, or a name box whose text captions the
// amount beside it) and where it stands; all rectangles of one window in one
// coordinate system.
struct CaptionText {
  QRectF rect;
  QString text;
  bool heading = true;   // it may head a column (a label of the box's own frame)
  bool nextLine = true;  // it may caption a box over or under it (a name box captions its row only)
};

// The words of a caption as a message quotes them: blanks run together,
// leaders of dots, "&" marks, and a trailing colon or comma left out.
QString CleanCaption(const QString& text);

// The caption of the entry at `box`:
// - the text on its row to its left (the one most level with it, the nearest
//   of those; a bare line number such as
//   "1a." is joined to the wording beside it), else the text just under it
//   (a name line with its caption below), else the text just over it;
// - for a box of a grid (another entry box, `entries`, stands on its row)
//   captioned on its row, unless by a leader of dots that leads to it (the
//   first box of the row after the leader's start),
//   followed by the heading of its column: the nearest text that may head
//   it over it, spanning its middle and no wider than a box and a third.
// Empty when no text captions the box.
QString FieldCaption(const QRectF& box, std::span<const CaptionText> texts, std::span<const QRectF> entries);

}  // namespace platform
