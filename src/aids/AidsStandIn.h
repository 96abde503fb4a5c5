#pragma once

// Hot codes and the find dialog are not built yet: loading does nothing and
// the find dialog is never loaded.
void LoadHotCodes();

namespace frmFind {
bool Loaded();
void Hide();
void Unload();
}
