#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>

// The layers of src/ as docs/ARCHITECTURE.md lays them out: the rows of the
// first table after "## Layers", `folder/` in the first column, lowest
// layer first, numbered from 0.
std::map<std::string, int> readLayers(const std::filesystem::path& architecture);

// The names between backquotes in the paragraph of ARCHITECTURE_MD that
// begins with `opening`, up to the blank line that ends it.
std::set<std::string> readNamedParagraph(const std::filesystem::path& architecture, const std::string& opening);
