#include <gtest/gtest.h>

#include "platform/win32/win32_environment.h"

TEST(Win32Environment, ExpandsKnownVariablesAndKeepsUnknownOnes) {
  qb::win32::Win32Environment env;
  EXPECT_EQ(env.ExpandVariables("%SystemRoot%"), env.WindowsFolder());
  EXPECT_EQ(env.ExpandVariables("%QB_NO_SUCH_VARIABLE%\\x"), "%QB_NO_SUCH_VARIABLE%\\x");
  EXPECT_FALSE(env.ApplicationFolder().empty());
}
