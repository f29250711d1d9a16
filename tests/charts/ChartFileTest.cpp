// The chart file layer: reading every line kind, writing CR LF Latin-1,
// whole-or-nothing writes, appending, listing and the read-only rule.

#include <QFileInfo>

#include "ChartTestSupport.h"

using namespace charttest;

namespace {

QStringList Lines(const ChartContent& content) {
    QStringList lines;
    for (const ChartItem& item : content.Items) lines << item.Line();
    return lines;
}

struct ParseCase {
    const char* name;
    QByteArray bytes;
    QString description;
    QStringList items;  // text "~" code
};

TEST(ChartParse, LineKindsTable) {
    const ParseCase cases[] = {
        {"only description lines", "DESC:Blues \r\nDESC:in A\r\n", "Blues in A", {}},
        {"DESC: twice on a line", "DESC:Blues DESC:in A\r\n", "Blues in A", {}},
        {"DESC: brought together by the taking out", "DESC:DEDESC:SC:x\r\nDESC:DE\r\nDESC:SC:y\r\n", "xy", {}},
        {"description in the middle", "A~1\r\nDESC:mid\r\nB~2\r\n", "mid", {"A~1", "B~2"}},
        {"map keeps its second ~", "Map: C Major~C-E-G~True\r\n", "", {"Map: C Major~C-E-G~True"}},
        {"four parts keep all after the first ~", "Chord: X~a~b~c\r\n", "", {"Chord: X~a~b~c"}},
        {"empty and blank lines are skipped", "A~1\r\n\r\n \t \r\nB~2", "", {"A~1", "B~2"}},
        {"LF, CR LF and a lone CR end lines alike", "A~1\nB~2\r\nC~3\rD~4\n", "", {"A~1", "B~2", "C~3", "D~4"}},
        {"single-byte text", "Chord: \xC9t\xE9~x\r\n", "", {QString::fromLatin1("Chord: \xC9t\xE9~x")}},
        {"no ~ gives an empty code", "Verse two\r\n", "", {"Verse two~"}},
        {"lower-case desc: is an item", "desc:x~y\r\n", "", {"desc:x~y"}},
        {"empty file", "", "", {}},
        {"ending without a line break", "DESC:d\r\nA~1", "d", {"A~1"}},
    };
    for (const ParseCase& c : cases) {
        const ChartContent content = ChartFile::Parse(c.bytes);
        EXPECT_EQ(content.Description, c.description) << c.name;
        EXPECT_EQ(Lines(content), c.items) << c.name;
    }
}

TEST(ChartParse, ItemLineSplitsAtTheFirstTilde) {
    const ChartItem map = ChartFile::ParseItemLine(QStringLiteral("Map: C Major~C-E-G~False"));
    EXPECT_EQ(map.Text, QStringLiteral("Map: C Major"));
    EXPECT_EQ(map.Code, QStringLiteral("C-E-G~False"));
    EXPECT_TRUE(map.HasCode);
    const ChartItem bare = ChartFile::ParseItemLine(QStringLiteral("Intro: 4 bars"));
    EXPECT_EQ(bare.Text, QStringLiteral("Intro: 4 bars"));
    EXPECT_EQ(bare.Code, QString());
    EXPECT_FALSE(bare.HasCode);
    EXPECT_EQ(bare.Line(), QStringLiteral("Intro: 4 bars~"));
}

TEST(ChartSerialize, DescriptionFirstEveryLineCrLfLatin1) {
    ChartContent content;
    content.Description = QString::fromLatin1("Caf\xE9 blues");
    content.Items = {{QStringLiteral("Chord: A Minor (1)"), QStringLiteral("0,6,0,0,2,2,2,3,1,1,0,0"), true},
                     {QStringLiteral("Map: C Major"), QStringLiteral("C-E-G~True"), true},
                     {QStringLiteral("Verse"), QString(), false}};
    EXPECT_EQ(ChartFile::Serialize(content),
              QByteArray("DESC:Caf\xE9 blues\r\nChord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0\r\n"
                         "Map: C Major~C-E-G~True\r\nVerse~\r\n"));
    EXPECT_EQ(ChartFile::Serialize(ChartContent()), QByteArray("DESC:\r\n"));
}

TEST(ChartSerialize, LineBreaksInsideATextNeverSplitAnItem) {
    ChartContent content;
    content.Description = QStringLiteral("two\r\nlines");
    content.Items = {{QStringLiteral("Chord:\nA"), QStringLiteral("1\r2"), true}};
    const QByteArray bytes = ChartFile::Serialize(content);
    EXPECT_EQ(bytes, QByteArray("DESC:two  lines\r\nChord: A~1 2\r\n"));
    EXPECT_EQ(ChartFile::Parse(bytes).Items.size(), 1);
}

TEST(ChartKinds, ToldCaseSensitivelyByTheBeginning) {
    const std::pair<const char*, ChartFile::Kind> cases[] = {
        {"Chord: C Major (1)", ChartFile::Kind::Chord}, {"Scale: A Minor (2)", ChartFile::Kind::Scale},
        {"Map: C Major", ChartFile::Kind::Map},         {"chord: C", ChartFile::Kind::Text},
        {" Chord: C", ChartFile::Kind::Text},           {"Chord", ChartFile::Kind::Text},
        {"Verse: repeat", ChartFile::Kind::Text},       {"", ChartFile::Kind::Text},
    };
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(ChartFile::KindOf(QString::fromLatin1(text)), kind) << text;
}

TEST(ChartKinds, MapFlagReadsAsTheToolkitsBooleanConversion) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"True", true}, {"False", false}, {"TRUE", true}, {"false", false}, {" True ", true},
        {"0", false},   {"1", true},      {"-1", true},   {"42", true},     {"", std::nullopt},
        {"yes", std::nullopt}, {"1.5", std::nullopt}, {"Tru", std::nullopt}, {"True~x", std::nullopt},
    };
    for (const auto& [text, flag] : cases) EXPECT_EQ(ChartFile::ParseMapFlag(QString::fromLatin1(text)), flag) << text;
}

class ChartFiles : public ChartTest {};

TEST_F(ChartFiles, WriteReplacesTheFileWholeAndLeavesNothingBeside) {
    Write("Blues", "old\r\n");
    ChartContent content;
    content.Items = {{QStringLiteral("Chord: E 7 (3)"), QStringLiteral("0,6,7,3,6,2,7,4,5,1,0,6"), true}};
    QString error;
    ASSERT_TRUE(ChartFile::Write(Path("Blues"), content, &error)) << error.toStdString();
    EXPECT_EQ(Read("Blues"), QByteArray("DESC:\r\nChord: E 7 (3)~0,6,7,3,6,2,7,4,5,1,0,6\r\n"));
    EXPECT_EQ(AllFiles(), QStringList({"Charts", "Charts/Blues.cht"}));

    ChartContent back;
    EXPECT_EQ(ChartFile::Read(Path("Blues"), &back), ChartFile::ReadStatus::Ok);
    EXPECT_EQ(Lines(back), Lines(content));
    EXPECT_EQ(ChartFile::Read(Path("Gone"), &back, &error), ChartFile::ReadStatus::NotFound);
    EXPECT_TRUE(back.Items.isEmpty());
}

TEST_F(ChartFiles, ReadOnlyChartIsNeitherWrittenAppendedNorDeleted) {
    const QByteArray bytes("DESC:keep\r\nChord: A~1\r\n");
    Write("Keep", bytes);
    MakeReadOnly(Path("Keep"));
    QString error;
    EXPECT_FALSE(ChartFile::Write(Path("Keep"), ChartContent(), &error));
    EXPECT_EQ(error, QStringLiteral("The file is read-only."));
    error.clear();
    EXPECT_FALSE(ChartFile::Append(Path("Keep"), QStringLiteral("Chord: B"), QStringLiteral("2"), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(ChartFile::Remove(Path("Keep"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Read("Keep"), bytes);
    EXPECT_EQ(AllFiles(), QStringList({"Charts", "Charts/Keep.cht"}));
}

TEST_F(ChartFiles, WriteIntoAMissingFolderFailsWithTheReason) {
    QString error;
    EXPECT_FALSE(ChartFile::Write(folder + "nowhere/x.cht", ChartContent(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ChartFile::Append(folder + "nowhere/x.cht", "T", "C", &error));
}

TEST_F(ChartFiles, AppendEndsAnOpenLastLineFirst) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"DESC:\r\nA~1\r\n", "DESC:\r\nA~1\r\nMap: C~C-E-G~True\r\n"},
        {"DESC:\r\nA~1", "DESC:\r\nA~1\r\nMap: C~C-E-G~True\r\n"},
        {"A~1\n", "A~1\nMap: C~C-E-G~True\r\n"},
        {"A~1\r", "A~1\rMap: C~C-E-G~True\r\n"},
        {"", "Map: C~C-E-G~True\r\n"},
    };
    for (const auto& [before, after] : cases) {
        Write("Add", before);
        QString error;
        EXPECT_TRUE(ChartFile::Append(Path("Add"), QStringLiteral("Map: C"), QStringLiteral("C-E-G~True"), &error))
            << error.toStdString();
        EXPECT_EQ(Read("Add"), after) << before.toStdString();
    }
}

TEST_F(ChartFiles, AppendToAChartThatHasGoneMakesNoFile) {
    Write("Gone", "DESC:\r\n");
    QFile::remove(Path("Gone"));
    QString error;
    EXPECT_FALSE(ChartFile::Append(Path("Gone"), QStringLiteral("Chord: C"), QStringLiteral("1"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("Gone")));
}

TEST_F(ChartFiles, OnlyVisibleChtFilesAreChartsSortedByNameIgnoringCase) {
    EXPECT_EQ(ChartFile::ListCharts(folder), QStringList());  // no folder yet
    for (const char* file : {"Blues.cht", "blues 2.cht", "Anthem.cht", "Blues.cht~", ".hidden.cht", "notes.txt",
                             "UPPER.CHT", "zeta.cht", "Blues!.cht", ".cht"}) {
        QDir().mkpath(folder);
        WriteBytes(folder + QString::fromLatin1(file), "");
    }
    QDir().mkpath(folder + "Dir.cht");
    // By name: "Blues" before "Blues 2" (file names would put "Blues 2.cht" first).
    EXPECT_EQ(ChartFile::ListCharts(folder), QStringList({"Anthem", "Blues", "blues 2", "Blues!", "zeta"}));
}

TEST_F(ChartFiles, CreateRemoveAndTheFolder) {
    QString error;
    ASSERT_TRUE(ChartFile::EnsureFolder(folder, &error));
    EXPECT_TRUE(ChartFile::CreateEmpty(Path("New"), &error));
    EXPECT_EQ(Read("New"), QByteArray());
    EXPECT_FALSE(ChartFile::CreateEmpty(Path("New"), &error));
    EXPECT_TRUE(ChartFile::Remove(Path("New"), &error));
    EXPECT_FALSE(QFile::exists(Path("New")));
    EXPECT_TRUE(ChartFile::Remove(Path("New"), &error));  // gone already: nothing left to do
    // Something else in a chart's place is no chart, and is kept.
    ASSERT_TRUE(QDir().mkdir(Path("New")));
    EXPECT_FALSE(ChartFile::Remove(Path("New"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(Path("New")).isDir());

    // A file where the folder should be.
    const QString blocked = folder + "blocked";
    WriteBytes(blocked, "x");
    EXPECT_FALSE(ChartFile::EnsureFolder(blocked + "/", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ChartFiles, AnyEntryOfTheNameMakesANewNameTaken) {
    QDir().mkpath(folder + "Dir.cht");
    Write("Blues", "");
    QString name;
    EXPECT_EQ(ChartFile::CheckNewName(QStringLiteral(" dir "), folder, &name), ChartFile::NameProblem::Exists);
    EXPECT_EQ(name, QStringLiteral("dir"));
    EXPECT_EQ(ChartFile::CheckNewName(QStringLiteral("BLUES"), folder, &name), ChartFile::NameProblem::Exists);
    EXPECT_EQ(ChartFile::CheckNewName(QStringLiteral("Blues 2"), folder, &name), ChartFile::NameProblem::None);
}

}  // namespace
