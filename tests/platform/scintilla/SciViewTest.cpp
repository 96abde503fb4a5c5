#include "platform/scintilla/SciView.h"

#include <gtest/gtest.h>

#include <memory>

TEST(SciHandle, CallsThroughTheHandleOfAClosedViewDoNothing) {
    auto view = std::make_unique<SciView>();
    const SciHandle handle(view.get());
    EXPECT_EQ(handle, SciHandle(view.get()));
    SciDirect(handle, QsciScintillaBase::SCI_APPENDTEXT, 3, reinterpret_cast<sptr_t>("abc"));
    EXPECT_EQ(SciDirect(handle, QsciScintillaBase::SCI_GETLENGTH), 3);
    auto other = std::make_unique<SciView>();
    EXPECT_FALSE(handle == SciHandle(other.get()));
    view.reset();
    EXPECT_FALSE(handle.isAlive());
    EXPECT_TRUE(static_cast<bool>(handle));
    EXPECT_EQ(SciDirect(handle, QsciScintillaBase::SCI_GETLENGTH), 0);
}
