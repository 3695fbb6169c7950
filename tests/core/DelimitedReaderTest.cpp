// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DelimitedReader.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

using namespace std::string_literals;
using test::ExpectFault;

TEST(DelimitedReader, ReadsItemsWhateverLinesTheyStandOnKeepingBlanksOnlyInsideQuotes) {
    DelimitedReader in("f", "\"Speed Factor\",30,1\r\n\"  a, b \" ,  x y  ,-7\r\n+5,\r\n\r\n");
    EXPECT_EQ(in.ReadText("label"), "Speed Factor");
    EXPECT_EQ(in.ReadInteger("speed"), 30);
    EXPECT_FALSE(in.ItemEndedLine());
    EXPECT_EQ(in.ReadInteger("sound"), 1);
    EXPECT_TRUE(in.ItemEndedLine());
    EXPECT_EQ(in.ReadText("quoted"), "  a, b ");
    EXPECT_EQ(in.ReadText("unquoted"), "x y");
    EXPECT_EQ(in.ReadInteger("negative"), -7);
    EXPECT_EQ(in.ReadInteger("signed"), 5);
    EXPECT_EQ(in.ItemLine(), 3);
    // The comma before the line end leaves an empty item there, and a blank line is one too.
    EXPECT_EQ(in.ReadText("empty"), "");
    EXPECT_EQ(in.ItemLine(), 3);
    EXPECT_EQ(in.ReadText("blank line"), "");
    EXPECT_EQ(in.ItemLine(), 4);
    EXPECT_TRUE(in.AtEnd());
}

TEST(DelimitedReader, MixesRawLinesAndItemsOverAnyLineEnd) {
    DelimitedReader in("f", "1,2\r\nhello, \"world\" \nlast line\r\n-32768,2147483647\r\n 3");
    EXPECT_EQ(in.ReadInteger("a"), 1);
    EXPECT_EQ(in.ReadInteger("b"), 2);
    EXPECT_EQ(in.ReadLine("raw"), "hello, \"world\" ");
    EXPECT_EQ(in.ReadLine("raw"), "last line");
    EXPECT_EQ(in.ItemLine(), 3);
    EXPECT_EQ(in.ReadInteger("lowest"), -32768);
    EXPECT_EQ(in.ReadLong("highest"), 2147483647);
    EXPECT_EQ(in.ReadInteger("no line end"), 3);
    EXPECT_EQ(in.ItemLine(), 5);
    EXPECT_TRUE(in.AtEnd());
}

TEST(DelimitedReader, RefusesWhatIsNotANumber) {
    const auto integer = [](const char* bytes) {
        return [bytes] { DelimitedReader("f", bytes).ReadInteger("n"); };
    };
    for (const char* text : {"abc\r\n", "5x", "- 5", "+", ",1"}) {
        ExpectFault(integer(text), 1, "text where a number belongs (n)");
    }
    ExpectFault(integer("\"5\"\r\n"), 1, "quoted text where a number belongs");
    ExpectFault(integer("32768"), 1, "outside -32768..32767");
    ExpectFault(integer("99999999999999999999"), 1, "outside -32768..32767");
    ExpectFault([] { DelimitedReader("f", "2147483648").ReadLong("n"); }, 1,
                "outside -2147483648..2147483647");
    ExpectFault(
        [] {
            DelimitedReader in("f", "1\r\n7");
            in.ReadInteger("flag", 0, 1);
            in.ReadInteger("flag", 0, 1);
        },
        2, "flag must be 0 or 1, not 7");
    ExpectFault([] { DelimitedReader("f", "31").ReadInteger("speed", 1, 30); }, 1,
                "speed must be 1..30, not 31");
}

TEST(DelimitedReader, RefusesBrokenItemsAtTheirLine) {
    ExpectFault(
        [] {
            DelimitedReader in("f", "1,2\r\n");
            in.ReadInteger("a");
            in.ReadInteger("b");
            in.ReadInteger("c");
        },
        2, "the file ends early, before c");
    ExpectFault([] { DelimitedReader("f", "").ReadLine("line 1"); }, 1, "ends early");
    ExpectFault(
        [] {
            DelimitedReader in("f", "1\n\"abc\r\n\"");
            in.ReadInteger("a");
            in.ReadText("b");
        },
        2, "no closing quote");
    ExpectFault([] { DelimitedReader("f", "\"ab\"c,1").ReadText("t"); }, 1,
                "text follows the closing quote");
    ExpectFault([] { DelimitedReader("f", "a\"b\",1").ReadText("t"); }, 1,
                "double quote inside an unquoted item");
}

TEST(DelimitedReader, NamesOtherEncodingsAndShowsOtherBytesAsEscapes) {
    // A byte-order mark or NULs between the bytes: UTF-8 with a mark, UTF-16 either way round.
    for (const std::string& bytes :
         {"\xEF\xBB\xBF\x30\r\n"s, "\xFF\xFE\x30\0\r\0\n\0"s, "\xFE\xFF\0\x30\0\r\0\n"s,
          "0\0\r\0\n\0"s, "\0\x30\0\r\0\n"s}) {
        ExpectFault([&] { DelimitedReader("f", bytes); }, 1, "save it again as plain text (ANSI)");
    }
    ExpectFault([] { DelimitedReader("f", "\xEF\xBB\xBF"); }, 1,
                "starts with a UTF-8 byte-order mark (as Notepad writes it)");
    ExpectFault([] { DelimitedReader("f", "\xFF\xFE"); }, 1, "the file is UTF-16 text");
    ExpectFault([] { DelimitedReader("f", std::string("1\0\r\0", 4)); }, 1,
                "every other byte is a NUL");

    // Latin-1 bytes, a broken sequence, a control character; UTF-8 is shown as it is and a long
    // text is cut between characters.
    EXPECT_EQ(DelimitedReader::Excerpt("caf\xE9 \xC3\xA9\xE2\x82\x07\x7F"),
              "\"caf\\xE9 \xC3\xA9\\xE2\\x82\\x07\\x7F\"");
    EXPECT_EQ(DelimitedReader::Excerpt(std::string(19, 'a') + "\xC3\xA9\xC3\xA9"),
              "\"" + std::string(19, 'a') + "\xC3\xA9...\"");
    EXPECT_EQ(DelimitedReader::Excerpt("\xED\xA0\x80\xF4\x90\x80\x80\xC0\xAF"),
              "\"\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80\\xC0\\xAF\"");
    EXPECT_EQ(FileError("dir/\xFFgame.ruv", 2, "bad").what(),
              std::string("dir/\\xFFgame.ruv, line 2: bad"));
}

} // namespace
} // namespace ruvo
