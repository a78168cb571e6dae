#include "grid/base/GxThemeNotifier.h"

#include <gtest/gtest.h>

#include "platform/ui/Forms.h"

namespace {

TEST(ThemeNotifier, SharedWithItsOwnerAndForgottenWhenFreed)
{
    ui::TForm owner(nullptr);
    gx::TThemeNotifier* first = gx::GetThemeNotifier(&owner);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Owner(), &owner);
    EXPECT_EQ(gx::GetThemeNotifier(nullptr), first);
    // Without an office colour scheme nothing is watched.
    EXPECT_FALSE(first->Watching());
    first->RegisterWindow(&owner);
    first->UnRegisterWindow(&owner);

    delete first;
    ui::TForm other(nullptr);
    gx::TThemeNotifier* second = gx::GetThemeNotifier(&other);
    EXPECT_EQ(second->Owner(), &other);
}

}  // namespace
