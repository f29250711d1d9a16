#include <gtest/gtest.h>

#include <QStringList>

#include "PlainText.h"
#include "QtPrinters.h"

namespace {

// Chart files and the instrument-name file are split by this one rule.
TEST(PlainText, SplitLinesAtEveryKindOfLineEnd) {
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\n", {"one"}},
        {"one\r\ntwo", {"one", "two"}},
        {"one\ntwo\n", {"one", "two"}},
        {"one\rtwo", {"one", "two"}},
        {"one\n\r\ntwo", {"one", "", "two"}},
        {"one\r\r\ntwo", {"one", "", "two"}},
        {"\r\n", {""}},
        {"\n\r", {"", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainText::SplitLines(QString::fromLatin1(c.text)), c.lines) << c.text;
}

}  // namespace
