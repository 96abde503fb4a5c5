#pragma once

#include <QString>

// Keys of the document window activated last and of the one before it.
extern QString gActiveDocWindowKey;
extern QString gPreviousDocWindowKey;
