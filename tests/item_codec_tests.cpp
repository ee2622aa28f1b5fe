#include <gtest/gtest.h>

#include "entries/item_codec.h"

namespace {

TEST(EncodeItems, OrdinaryItemsStayPlain) {
  EXPECT_EQ(EncodeItems({}), "");
  EXPECT_EQ(EncodeItems({"vlm1", "vlm2"}), "vlm1,vlm2,");
  EXPECT_EQ(EncodeItems({"A", "", "B"}), "A,,B,");
  // Paths, quotes, "%1" and Chinese text are written as they are.
  EXPECT_EQ(EncodeItems({"C:\\a b\\", "\"C:\\x.exe\" \"%1\"", "\xC3\xFC\xC1\xEE"}),
            "C:\\a b\\,\"C:\\x.exe\" \"%1\",\xC3\xFC\xC1\xEE,");
}

TEST(EncodeItems, EscapesOnlyWhatPlainWouldLose) {
  EXPECT_EQ(EncodeItems({"a,b", "c"}), "a%2Cb,c,%");
  EXPECT_EQ(EncodeItems({"x\r\ny", "50%"}), "x%0D%0Ay,50%25,%");
  EXPECT_EQ(EncodeItems({" lead", " inner"}), "%20lead, inner,%");
  // A lead byte without a valid trail byte is escaped; a 0x5C trail byte is not.
  EXPECT_EQ(EncodeItems({"\xB1", "\xB1\x5C,"}), "%B1,\xB1\x5C%2C,%");
}

TEST(DecodeItems, ReadsFilesWrittenBeforeEscaping) {
  // Values without the final ",%" are split exactly as they always were.
  EXPECT_EQ(DecodeItems("a,b,c,"), (TextList{"a", "b", "c"}));
  EXPECT_EQ(DecodeItems("C:\\dir\\,\"%1\",%20,"), (TextList{"C:\\dir\\", "\"%1\"", "%20"}));
  EXPECT_EQ(DecodeItems(""), TextList{});
  EXPECT_EQ(DecodeItems("a,b"), (TextList{"a", "b"}));
}

TEST(DecodeItems, KeepsMalformedEscapesLiterally) {
  EXPECT_EQ(DecodeItems("%,%"), (TextList{"%"}));
  EXPECT_EQ(DecodeItems("%G1,%4,%"), (TextList{"%G1", "%4"}));
}

TEST(ItemCodec, HostileItemsComeBackUnchanged) {
  std::string everyByte;
  for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
  const TextList lists[] = {
      {"a,b", "c"},
      {"explorer.exe /select,\"%1\"", ""},
      {"\r\n", "\n", "\r"},
      {"", ""},
      {"", "x", ""},
      {"\xB1\x5C", "\xB1\x5C\\", "\xB1"},
      {" ", "\t", "\"quoted\""},
      {"'single'", "%25", ",%"},
      {"ends in lead \x81", ","},
      {everyByte, everyByte},
      {std::string(20000, 'x') + ","},
  };
  for (const TextList& items : lists) {
    const Text value = EncodeItems(items);
    EXPECT_EQ(value.find_first_of("\r\n"), Text::npos);
    EXPECT_NE(value.front(), ' ');
    EXPECT_EQ(DecodeItems(value), items) << value;
  }
}

}  // namespace
