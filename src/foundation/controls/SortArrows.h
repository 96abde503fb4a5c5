#pragma once

class QHeaderView;

// Makes the header draw Korvo's own sort indicator: a filled triangle that
// points up for an ascending order and down for a descending one. Qt's
// styles disagree on the direction (Fusion points an ascending order down,
// the classic Windows style up), so the style's own arrow is not used. The
// rest of the header keeps the application's style as it is when called.
void UseKorvoSortArrows(QHeaderView* header);
