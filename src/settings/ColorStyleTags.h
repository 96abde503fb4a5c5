#pragma once

#include "vocabulary/ColorStyle.h"

#include <QString>

#include <span>

// What each control of the colour-style editor edits, by the tag it carries
// (tags compare without case).

// A text-style label: its slot's font, size, flags and ForeColor.
struct TextStyleTag {
    const char* tag;
    int slot;
    const char* caption;
};

// The 21 text-style labels, "Normal Text" first, "Matched Braces" last.
std::span<const TextStyleTag> TextStyleTags();

enum class ColourTable { Fore, Back, Alt };

// A colour box: one colour of one slot.
struct ColourTag {
    const char* tag;
    int slot;
    ColourTable table;
    const char* caption;
};

// The boxes of the "&Margins" and of the "&Other" tab, in their order.
std::span<const ColourTag> MarginColourTags();
std::span<const ColourTag> OtherColourTags();

// The colour a box's tag names in the record; null for an unknown tag.
long* ColourOfTag(ColorStyle& style, const QString& tag);
