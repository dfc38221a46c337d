#include "core/base/virtual_event_loop.h"
#include "link/frame/frame.h"
#include "link/frame/frame_sender.h"
#include "link/serial/fake_serial_device.h"

#include <gtest/gtest.h>

namespace pdx::link {
namespace {

using Bytes = std::vector<uint8_t>;

std::vector<Frame> parseAll(FrameParser &parser, const Bytes &bytes) {
  parser.push(bytes);
  std::vector<Frame> frames;
  while (auto frame = parser.next()) {
    frames.push_back(*frame);
  }
  return frames;
}

std::vector<Frame> parseAll(const Bytes &bytes) {
  FrameParser parser(codesFromPhone());
  return parseAll(parser, bytes);
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto &part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

TEST(Codes, TableHasFortyNamesInCodeOrder) {
  EXPECT_EQ(codeName(0), "PC_PW_SET_REQ");
  EXPECT_EQ(codeName(29), "PC_PING2");
  EXPECT_EQ(codeName(39), "PC_MGRP_SET_REQ");
  EXPECT_EQ(codeName(40), "?");
  for (int code = 0; code < kCodeCount; ++code) {
    EXPECT_EQ(codeFromName(codeName(code)), code);
  }
  EXPECT_EQ(codeFromName("PC_NOPE"), -1);
}

TEST(Codes, ProgramAcceptsExactlyThePhonesThirteenCodes) {
  const std::vector<int> expected{1, 2, 4, 6, 8, 12, 15, 17, 24, 27, 31, 33, 36};
  std::vector<int> accepted;
  for (int code = 0; code < 256; ++code) {
    if (codesFromPhone().test(static_cast<size_t>(code))) {
      accepted.push_back(code);
    }
  }
  EXPECT_EQ(accepted, expected);
  EXPECT_TRUE(codesFromProgram().test(PC_MBK_DATA_REQ));
  EXPECT_FALSE(codesFromProgram().test(PC_OK));
}

TEST(Encode, FramesMatchTheWireBytes) {
  EXPECT_EQ(encodeFrame(PC_PING2, {}), (Bytes{0x50, 0x43, 0x00, 0x01, 0x1D, 0x1E}));
  EXPECT_EQ(encodeFrame(PC_SMS_DATA_REQ, Bytes{0x85}), (Bytes{0x50, 0x43, 0x00, 0x02, 0x07, 0x85, 0x8E}));
  const Bytes big(300, 0xFF);
  const Bytes wire = encodeFrame(PC_MBK_SET_REQ, big);
  ASSERT_EQ(wire.size(), 306u);
  EXPECT_EQ(wire[2], 0x01);
  EXPECT_EQ(wire[3], 0x2D);
  EXPECT_EQ(wire.back(), static_cast<uint8_t>(0x01 + 0x2D + 34 + 300 * 0xFF));
}

TEST(Sender, PausesAHundredMillisecondsThenWritesByteByByte) {
  VirtualEventLoop loop;
  FakeSerialDevice device(loop);
  device.setOpenablePorts({0});
  ASSERT_TRUE(device.open(0));
  FrameSender sender(device, loop);
  EXPECT_EQ(sender.send(PC_PING2, {}), 1u);
  EXPECT_EQ(device.writeTimes().front(), Millis(100));
  EXPECT_EQ(device.takeWritten(), (Bytes{0x50, 0x43, 0x00, 0x01, 0x1D, 0x1E}));
  device.close();
  EXPECT_EQ(sender.send(PC_PING2, {}), 0u);
}

TEST(Parser, DropsCodesTheProgramDoesNotAccept) {
  EXPECT_TRUE(parseAll(encodeFrame(PC_PING, {})).empty());
  EXPECT_TRUE(parseAll(encodeFrame(PC_MBK_DATA_REQ, Bytes{3})).empty());
  EXPECT_EQ(parseAll(encodeFrame(PC_PONG, {})).size(), 1u);
}

TEST(Parser, NoiseThatLooksLikeAHeaderNeverCostsTheFrameAfterIt) {
  // Each noise begins a header that a later byte rejects (a second "P", a
  // length above 2048, an unaccepted code), some only after reading into
  // the real frame's own start; the frame also arrives byte by byte.
  const Bytes frame = encodeFrame(PC_OK, Bytes{20});
  for (const Bytes &noise : {Bytes{0x50, 0x43, 0x08}, Bytes{0x50}, Bytes{0x00, 0x50, 0x50},
                             Bytes{0x50, 0x43, 0x00, 0x05}, Bytes{0x50, 0x43}, Bytes{0x50, 0x43, 0x00}}) {
    const Bytes input = concat({noise, frame});
    FrameParser parser(codesFromPhone());
    std::vector<Frame> frames;
    for (uint8_t byte : input) {
      const auto more = parseAll(parser, Bytes{byte});
      frames.insert(frames.end(), more.begin(), more.end());
    }
    EXPECT_EQ(frames, parseAll(input)) << testing::PrintToString(noise);
    ASSERT_EQ(frames.size(), 1u) << testing::PrintToString(noise);
    EXPECT_EQ(frames[0].data, Bytes{20});
  }
  FrameParser parser(codesFromPhone());
  EXPECT_TRUE(parseAll(parser, Bytes{0x50, 0x43, 0x08, 0x01}).empty());
  EXPECT_EQ(parser.state(), 0);
  EXPECT_TRUE(parseAll(parser, Bytes{0x50, 0x43, 0x00, 0x00}).empty());
  EXPECT_EQ(parser.state(), 0);
}

TEST(Parser, DataMayHoldStartBytesAndMaximumLengthIsAccepted) {
  const Bytes data(kMaxData, 0x50);
  const auto frames = parseAll(encodeFrame(PC_PONG, data));
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].data, data);
}

// A frame with a wrong sum is dropped and the parser recovers for the next.
TEST(Parser, EverySplitOfTheInputGivesTheSameFrames) {
  Bytes noisy = encodeFrame(PC_OK, Bytes{0x22});
  noisy.back() ^= 0xFF;
  const Bytes input = concat({Bytes{0x00, 0x50, 0x50}, noisy, encodeFrame(PC_MBK_DATA_DATA, Bytes(148, 0x43)),
                              Bytes{0x43, 0x51}, encodeFrame(PC_NG, Bytes{34}), encodeFrame(PC_PONG, {})});
  const auto whole = parseAll(input);
  ASSERT_EQ(whole.size(), 3u);
  EXPECT_EQ(whole[0].code, PC_MBK_DATA_DATA);
  EXPECT_EQ(whole[1], (Frame{PC_NG, {34}}));
  for (size_t a = 0; a <= input.size(); ++a) {
    for (size_t b = a; b <= input.size(); b += 7) {
      FrameParser parser(codesFromPhone());
      auto frames = parseAll(parser, Bytes(input.begin(), input.begin() + a));
      for (auto &f : parseAll(parser, Bytes(input.begin() + a, input.begin() + b))) {
        frames.push_back(f);
      }
      for (auto &f : parseAll(parser, Bytes(input.begin() + b, input.end()))) {
        frames.push_back(f);
      }
      ASSERT_EQ(frames, whole) << "split at " << a << ", " << b;
    }
  }
}

} // namespace
} // namespace pdx::link
