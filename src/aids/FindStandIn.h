#pragma once

// The find dialog is not built yet: it is never loaded.
namespace frmFind {
bool Loaded();
void Hide();
void Unload();
}
