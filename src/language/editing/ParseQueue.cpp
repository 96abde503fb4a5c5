#include "language/editing/ParseQueue.h"

void ParseQueue::add(int markerHandle) {
    if (members_.contains(markerHandle))
        return;
    members_.insert(markerHandle);
    order_.append(markerHandle);
}

void ParseQueue::remove(int markerHandle) {
    if (members_.remove(markerHandle))
        order_.removeOne(markerHandle);
}

void ParseQueue::clear() {
    order_.clear();
    members_.clear();
}
