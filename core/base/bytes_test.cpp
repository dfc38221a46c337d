#include "core/base/bytes.h"

#include <gtest/gtest.h>

namespace pdx {
namespace {

TEST(Bytes, LittleEndianFieldsRoundTrip) {
  ByteWriter w;
  w.u16(0x1234);
  w.u32(0xA1B2C3D4);
  w.text("abc", 5);
  EXPECT_EQ(w.bytes(), (std::vector<uint8_t>{0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 'a', 'b', 'c', 0, 0}));
  ByteReader r(w.bytes());
  EXPECT_EQ(r.u16(), 0x1234);
  EXPECT_EQ(r.u32(), 0xA1B2C3D4u);
  EXPECT_EQ(r.text(5), "abc");
  EXPECT_FALSE(r.failed());
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(Bytes, ShortReadFailsAndStaysFailed) {
  const std::vector<uint8_t> data{1, 2, 3};
  ByteReader r(data);
  EXPECT_EQ(r.u16(), 0x0201);
  EXPECT_EQ(r.u32(), 0u);
  EXPECT_TRUE(r.failed());
  EXPECT_EQ(r.u8(), 0);
  EXPECT_TRUE(r.failed());
}

TEST(Bytes, TextFieldWithoutTerminatorIsReadToItsWidth) {
  const std::vector<uint8_t> data{'a', 'b', 'c', 'd'};
  ByteReader r(data);
  EXPECT_EQ(r.text(4), "abcd");
  ByteWriter w;
  w.text("abcdef", 4);
  EXPECT_EQ(w.bytes().size(), 4u);
}

} // namespace
} // namespace pdx
