#include "explorer/ExplorerServices.h"

namespace {
ExplorerLists* gLists = nullptr;
HelpHost* gHelp = nullptr;
ReviewWindow* gReview = nullptr;
}

ExplorerLists* explorerLists() {
    return gLists;
}

HelpHost* helpHost() {
    return gHelp;
}

ReviewWindow* reviewWindow() {
    return gReview;
}

void setExplorerLists(ExplorerLists* lists) {
    gLists = lists;
}

void setHelpHost(HelpHost* help) {
    gHelp = help;
}

void setReviewWindow(ReviewWindow* review) {
    gReview = review;
}
