#include "platform/scintilla/MarkerLines.h"

#include <algorithm>

void MarkerLines::added(int handle, int number, long line) {
    LineGroups::Group* group = groups_.obtain(line);
    group->markers.push_back({handle, number});
    lines_.set(handle, group);
}

void MarkerLines::drop(LineGroups::Group* group, LineGroups::Marker* marker) {
    lines_.erase(marker->handle);
    group->markers.erase(marker);
    if (group->markers.empty())
        groups_.erase(group);
}

void MarkerLines::deletedOnLine(long line, int number) {
    if (number != -1 && !tracks(number))
        return;
    LineGroups::Group* group = groups_.obtain(line);
    auto& markers = group->markers;
    if (number == -1) {
        for (const LineGroups::Marker& marker : markers)
            lines_.erase(marker.handle);
        markers.clear();
    } else {
        auto last = std::find_if(markers.rbegin(), markers.rend(), [number](const auto& m) { return m.number == number; });
        if (last != markers.rend()) {
            drop(group, std::next(last).base());
            return;
        }
    }
    if (markers.empty())
        groups_.erase(group);
}

void MarkerLines::deletedHandle(int handle) {
    LineGroups::Group* group = lines_.find(handle);
    if (!group)
        return;
    drop(group, std::find_if(group->markers.begin(), group->markers.end(), [handle](const auto& m) { return m.handle == handle; }));
}

int MarkerLines::deletedFirst(int handle) {
    LineGroups::Group* group = lines_.find(handle);
    if (!group)
        return -1;
    auto& markers = group->markers;
    auto marker = std::find_if(markers.begin(), markers.end(), [handle](const auto& m) { return m.handle == handle; });
    const int number = marker->number;
    if (std::any_of(std::next(marker), markers.end(), [number](const auto& m) { return m.number == number; }))
        return -1;
    drop(group, marker);
    return number;
}

void MarkerLines::deletedEverywhere(int number) {
    if (number == -1) {
        groups_.clear();
        lines_.clear();
        return;
    }
    if (!tracks(number))
        return;
    std::vector<LineGroups::Group*> emptied;
    groups_.forEach([&](LineGroups::Group& group) {
        group.markers.removeIf([&](const LineGroups::Marker& m) {
            if (m.number != number)
                return false;
            lines_.erase(m.handle);
            return true;
        });
        if (group.markers.empty())
            emptied.push_back(&group);
    });
    for (LineGroups::Group* group : emptied)
        groups_.erase(group);
}

void MarkerLines::linesInserted(long line, bool atLineStart, long count) {
    groups_.insertLines(atLineStart ? line : line + 1, count);
}

void MarkerLines::linesDeleted(long line, long count) {
    if (LineGroups::Group* joined = groups_.removeLines(line, count))
        for (const LineGroups::Marker& marker : joined->markers)
            lines_.set(marker.handle, joined);
}

void MarkerLines::handlesOn(long line, std::vector<int>& handles) const {
    if (const LineGroups::Group* group = groups_.find(line))
        for (const LineGroups::Marker& marker : group->markers)
            handles.push_back(marker.handle);
}

long MarkerLines::lineOf(int handle) const {
    const LineGroups::Group* group = lines_.find(handle);
    return group ? groups_.lineOf(group) : -1;
}

int MarkerLines::numberOf(int handle) const {
    const LineGroups::Group* group = lines_.find(handle);
    if (!group)
        return -1;
    const auto& markers = group->markers;
    const auto marker = std::find_if(markers.begin(), markers.end(), [handle](const auto& m) { return m.handle == handle; });
    return marker != markers.end() ? marker->number : -1;
}
