#pragma once

// Steps through the bookmarks (marker 4) of the open documents. After the
// active document's last (or before its first) bookmark, the other documents
// are searched in the host's order, wrapping round, unless
// BookMarksSingleFileBased is 1; only a document where a bookmark is found
// is activated.

// "Next Bookmark": the first bookmark below the caret line, else the first
// bookmark of the next document that has one.
void GotoNextBookmark();
// "Previous Bookmark": the mirror image, from the documents' last lines.
void GotoPrevBookmark();
// "Clear All Bookmarks": in every open document; the active one stays active.
void ClearAllBookmarks();
