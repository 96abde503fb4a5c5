#pragma once

#include <QList>
#include <QSet>

// Lines waiting to be parsed, keyed by the handle of the re-parse marker on
// each: a key is held once, and the keys come out in the order they went in.
class ParseQueue {
public:
    void add(int markerHandle);
    bool contains(int markerHandle) const { return members_.contains(markerHandle); }
    void remove(int markerHandle);
    void clear();
    bool isEmpty() const { return order_.isEmpty(); }
    int count() const { return order_.size(); }
    const QList<int>& keys() const { return order_; }

private:
    QList<int> order_;
    QSet<int> members_;
};
