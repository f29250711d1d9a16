// "genmidi.txt": written byte for byte, and read back into an instrument list
// that always offers the 128 programs, whatever state the file is in.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "AppPaths.h"
#include "modInstrumentFile.h"
#include "MidiTestSupport.h"

namespace {

// The file as it must be, one name a line.
const char* const kExpectedFile = R"(piano 1
piano 2
piano 3
Honky-tonk
E.piano 1
E.piano 2
Harpsichord
Clavinet
Celesta
Glockenspiel
Music Box
Vibraphone
Marimba
Xylophone
Tubular Bell
Dulcimer
Organ 1
Organ 2
Organ 3
Church org. 1
Reed Organ
Accordion Fr
Harmonica
Tango Accordion
Nylon-str Gt
Steel-str Gt
Jazz Gt
Clean Gt
Muted Gt
Overdrive Gt
Distortion Gt
Gt.Harmonics
Acoustic Bs.
Fingered Bs.
Picked Bs.
Fretless Bs.
Slap Bs. 1
Slap Bs. 2
Synth Bs. 1
Synth Bs. 2
Violin
Viola
Cello
Contrabass
Tremolo Str
Pizzicato
Harp
Timpani
Strings
Slow Str.
Syn Str. 1
Syn Str. 2
Choir Aahs
Voice Oohs
SynVox
Orchestra Hit
Trumpet
Trombone
Tuba
Muted Tr.
French Horn
Brass 1
Synth Br.1
Synth Br.2
Soprano Sax
Alto Sax
Tenor Sax
Baritone Sax
Oboe
English Horn
Basson
Clarinet
Piccolo
Flute
Recorder
Pan Flute
Bottle Blow
Shakuhachi
Whistle
Ocarina
Square Wave
Saw Wave
Syn.Calliope
Chiffer Lead
Charang
Solo Vox
5th Saw Wave
Bass& Lead
Fantasia
Warm Pad
PolySynth
Space Voice
Bowed Glass
Metal Pad
Halo Pad
Sweep Pad
Ice Rain
Sound Track
Crystal
Atmosphere
Brightness
Goblin
Echo Drops
Star Theme
Sitar
Banjo
Shamisen
Koto
Kalimba
Bag Pipe
Fiddle
Shanai
Tinkle Bell
Agogo
Steel Drums
Woodblock
Taiko
Melo Tom 1
Synth Drum
Reverse Cym.
Gt.FretNoise
Breath Noise
Seashore
Bird
Telephone 1
Helicopter
Applause
Gun Shot
)";

QByteArray ExpectedBytes() { return QByteArray(kExpectedFile).replace("\n", "\r\n"); }

class InstrumentFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        saved = AppPaths::GetAppPath();
        AppPaths::SetAppFolder(dir.path());
    }
    void TearDown() override { AppPaths::SetAppFolder(saved); }
    QString Write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    QString saved;
};

TEST_F(InstrumentFileTest, WritesThe128NamesEachEndedByCrLf) {
    ASSERT_TRUE(modInstrumentFile::WriteInstrumentFile());
    EXPECT_EQ(modInstrumentFile::InstrumentFilePath(), dir.filePath(QStringLiteral("genmidi.txt")));
    QFile f(modInstrumentFile::InstrumentFilePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes, ExpectedBytes());
    EXPECT_EQ(bytes.count("\r\n"), 128);
    EXPECT_TRUE(bytes.startsWith("piano 1\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nGun Shot\r\n"));
}

TEST_F(InstrumentFileTest, WritingReplacesAnyContent) {
    Write("old");
    QFile::rename(dir.filePath(QStringLiteral("list.txt")), modInstrumentFile::InstrumentFilePath());
    ASSERT_TRUE(modInstrumentFile::WriteInstrumentFile());
    QFile f(modInstrumentFile::InstrumentFilePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), ExpectedBytes());
}

TEST_F(InstrumentFileTest, AFolderThatCannotBeWrittenReportsFailure) {
    const QString notAFolder = Write("a file");
    AppPaths::SetAppFolder(notAFolder);
    EXPECT_FALSE(modInstrumentFile::WriteInstrumentFile());
}

TEST_F(InstrumentFileTest, WrittenFileReadsBackAsTheProgramList) {
    ASSERT_TRUE(modInstrumentFile::WriteInstrumentFile());
    const QStringList names = modInstrumentFile::ReadInstrumentNames(modInstrumentFile::InstrumentFilePath());
    ASSERT_EQ(names.size(), 128);
    EXPECT_EQ(names[0], QStringLiteral("piano 1"));
    EXPECT_EQ(names[25], QStringLiteral("Steel-str Gt"));
    EXPECT_EQ(names[127], QStringLiteral("Gun Shot"));
    EXPECT_EQ(names, modInstrumentFile::InstrumentNames());
}

TEST_F(InstrumentFileTest, AnyFileGivesAllProgramsItsOwnLinesFirst) {
    const QStringList builtIn = modInstrumentFile::InstrumentNames();
    QStringList longList;
    for (int i = 0; i < 130; ++i) longList << QStringLiteral("Voice %1").arg(i);
    const struct {
        const char* what;
        QByteArray bytes;
        QStringList firstLines;
    } cases[] = {
        {"short", "Lute\r\nOud\r\nSaz\r\n", {"Lute", "Oud", "Saz"}},
        {"empty", "", {}},
        {"no final line break", "Lute\r\nOud", {"Lute", "Oud"}},
        {"LF line ends", "Lute\nOud\n", {"Lute", "Oud"}},
        {"CR line ends", "Lute\rOud\r", {"Lute", "Oud"}},
        {"blank line kept", "Lute\r\n\r\nSaz\r\n", {"Lute", "", "Saz"}},
        {"more than 128 lines", longList.join(QStringLiteral("\r\n")).toLatin1(), longList.mid(0, 128)},
        {"single-byte code page", "La\xFA" "d\r\n", {QString::fromLatin1("La\xFA" "d")}},
    };
    for (const auto& c : cases) {
        const QStringList names = modInstrumentFile::ReadInstrumentNames(Write(c.bytes));
        ASSERT_EQ(names.size(), 128) << c.what;
        EXPECT_EQ(names.mid(0, c.firstLines.size()), c.firstLines) << c.what;
        EXPECT_EQ(names.mid(c.firstLines.size()), builtIn.mid(c.firstLines.size())) << c.what;
    }
}

TEST_F(InstrumentFileTest, AnUnreadableFileGivesTheBuiltInNames) {
    const QStringList builtIn = modInstrumentFile::InstrumentNames();
    EXPECT_EQ(modInstrumentFile::ReadInstrumentNames(QString()), builtIn);
    EXPECT_EQ(modInstrumentFile::ReadInstrumentNames(dir.filePath(QStringLiteral("missing.txt"))), builtIn);
    EXPECT_EQ(modInstrumentFile::ReadInstrumentNames(dir.path()), builtIn);  // a folder
}

}  // namespace
