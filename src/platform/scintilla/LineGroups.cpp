#include "platform/scintilla/LineGroups.h"

LineGroups::~LineGroups() {
    destroy(root_);
}

void LineGroups::destroy(Group* g) {
    while (g) {
        destroy(g->left);
        Group* right = g->right;
        delete g;
        g = right;
    }
}

void LineGroups::clear() {
    destroy(root_);
    root_ = nullptr;
}

void LineGroups::update(Group* g) {
    g->sum = static_cast<std::int32_t>(sumOf(g->left) + g->gap + sumOf(g->right));
    if (g->left)
        g->left->parent = g;
    if (g->right)
        g->right->parent = g;
}

LineGroups::Group* LineGroups::merge(Group* a, Group* b) {
    if (!a || !b) {
        Group* only = a ? a : b;
        if (only)
            only->parent = nullptr;
        return only;
    }
    if (priorityOf(a) > priorityOf(b)) {
        a->right = merge(a->right, b);
        update(a);
        a->parent = nullptr;
        return a;
    }
    b->left = merge(a, b->left);
    update(b);
    b->parent = nullptr;
    return b;
}

void LineGroups::split(Group* t, long x, long base, Group*& a, Group*& b) {
    if (!t) {
        a = b = nullptr;
        return;
    }
    const long line = base + sumOf(t->left) + t->gap;
    if (line < x) {
        split(t->right, x, line, t->right, b);
        a = t;
    } else {
        split(t->left, x, base, a, t->left);
        b = t;
    }
    update(t);
    t->parent = nullptr;
}

LineGroups::Group* LineGroups::leftmost(Group* g) {
    while (g && g->left)
        g = g->left;
    return g;
}

void LineGroups::addToGap(Group* g, long delta) {
    g->gap = static_cast<std::int32_t>(g->gap + delta);
    for (Group* n = g; n; n = n->parent)
        n->sum = static_cast<std::int32_t>(n->sum + delta);
}

long LineGroups::lineOf(const Group* g) const {
    long line = sumOf(g->left) + g->gap;
    for (const Group* n = g; n->parent; n = n->parent)
        if (n == n->parent->right)
            line += sumOf(n->parent->left) + n->parent->gap;
    return line;
}

LineGroups::Group* LineGroups::lowerBound(long line) const {
    Group* found = nullptr;
    long base = 0;
    for (Group* g = root_; g;) {
        const long at = base + sumOf(g->left) + g->gap;
        if (at >= line) {
            found = g;
            g = g->left;
        } else {
            base = at;
            g = g->right;
        }
    }
    return found;
}

const LineGroups::Group* LineGroups::find(long line) const {
    const Group* group = lowerBound(line);
    return group && lineOf(group) == line ? group : nullptr;
}

LineGroups::Group* LineGroups::obtain(long line) {
    Group* next = lowerBound(line);
    if (next && lineOf(next) == line)
        return next;
    Group *above = root_, *below = nullptr;
    // Below every group, as markers come in a pass from the top: nothing to split.
    if (next)
        split(root_, line, 0, above, below);
    auto* group = new Group;
    group->gap = static_cast<std::int32_t>(line - sumOf(above));
    group->sum = group->gap;
    if (below)
        addToGap(leftmost(below), -group->gap);
    root_ = merge(merge(above, group), below);
    return group;
}

void LineGroups::erase(Group* group) {
    const long line = lineOf(group);
    Group *above = nullptr, *rest = nullptr, *middle = nullptr, *below = nullptr;
    split(root_, line, 0, above, rest);
    split(rest, line + 1, sumOf(above), middle, below);
    if (below)
        addToGap(leftmost(below), group->gap);
    destroy(middle);
    root_ = merge(above, below);
}

void LineGroups::insertLines(long from, long count) {
    if (Group* first = lowerBound(from))
        addToGap(first, count);
}

void LineGroups::collect(Group* t, std::vector<Group*>& into) {
    if (!t)
        return;
    collect(t->left, into);
    into.push_back(t);
    collect(t->right, into);
}

LineGroups::Group* LineGroups::removeLines(long line, long count) {
    Group *above = nullptr, *rest = nullptr, *removed = nullptr, *below = nullptr;
    split(root_, line + 1, 0, above, rest);
    const long aboveLast = sumOf(above);
    split(rest, line + count + 1, aboveLast, removed, below);
    const long belowFirst = below ? aboveLast + sumOf(removed) + leftmost(below)->gap : 0;

    Group* target = nullptr;
    if (removed) {
        std::vector<Group*> groups;
        collect(removed, groups);
        root_ = above;
        target = obtain(line);
        for (Group* g : groups) {
            target->markers.append(g->markers.begin(), g->markers.end());
            g->left = g->right = nullptr;
            delete g;
        }
        above = root_;
    }
    if (below)
        addToGap(leftmost(below), (belowFirst - count - sumOf(above)) - leftmost(below)->gap);
    root_ = merge(above, below);
    return target;
}
