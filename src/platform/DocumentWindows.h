#pragma once

#include <functional>

// The count of open document windows, which the error log records. The
// window that hosts the documents installs the counter; until then it is 0.
namespace platform {

void setDocumentWindowCounter(std::function<int()> counter);
int documentWindowCount();

}
