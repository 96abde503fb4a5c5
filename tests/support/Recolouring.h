#pragma once

// Restyles the keywords of every line of the current view, as a keyword
// table change restyles the lines it reaches, and has the next styling
// request restyle every visible line.
void ReColorFile();
