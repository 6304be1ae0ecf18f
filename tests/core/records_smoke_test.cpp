#include <gtest/gtest.h>

#include "records/record_table.h"

TEST(Smoke, Builds) { bazi::RecordTable t; EXPECT_EQ(t.rowCount(), 2u); }
