#pragma once

#include <QString>

namespace platform {

class DrawingCursor;

// Draws rich text (Qt's HTML subset: paragraphs, headings, lists, bold,
// italic, underline, font sizes) into the cursor's document from its current
// position, wrapped to the width between the left and right margins and
// continued on new pages at the bottom margin. Each line becomes text runs of
// the document, so the preview shows it, a search finds it and a PDF holds it.
// Plain text is taken as rich text with its line breaks kept. Text without a
// given face or size is set in the cursor's font. Afterwards CurrentY stands
// below the last line and CurrentX at the left margin.
void PrintRichText(DrawingCursor& cursor, const QString& richText);

}  // namespace platform
