#pragma once

#include <iterator>

// The file explorer's type filter, in the order of its drop-down list (the
// index is setting Options/ComboFileTypesState).
struct FileTypeFilter {
    const char* caption;
    const char* pattern;
};

inline constexpr FileTypeFilter kFileTypeFilters[] = {
    {"BB Files & Projects (*.bb;*.kpf)", "*.bb;*.kpf"},
    {"Images (*.bmp;*.jpg;*.jpeg;*.png;*.tga;*.ico;*.gif)", "*.bmp;*.jpg;*.jpeg;*.png;*.tga;*.ico;*.gif"},
    {"3D models (*.b3d;*.3ds;*.md2;*.lwo;*.x)", "*.b3d;*.3ds;*.md2;*.lwo;*.x"},
    // The caption names two of the three patterns.
    {"Text Files (*.txt;*.rtf)", "*.txt;*.rtf;*.doc"},
    {"HTML files (*.htm;*.html)", "*.htm;*.html"},
    {"All Files (*.*)", "*.*"},
};

inline constexpr int kFileTypeFilterCount = int(std::size(kFileTypeFilters));
