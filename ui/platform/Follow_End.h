#pragma once
// A growing text box (the history) that keeps its newest line in view: while
// the user looks at its end, every added line scrolls the box down with it;
// once the user has scrolled up to read, the box stays where it was put
// until the user scrolls back down to the end.

class QAbstractScrollArea;

namespace Platform {

void Follow_Newest_Line(QAbstractScrollArea *box);

} // namespace Platform
