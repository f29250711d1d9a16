// The fretboard's drawing, read from grab() at twips / 15.

#include <gtest/gtest.h>

#include <QPixmap>

#include "NeckTestSupport.h"
#include "TwipsCanvas.h"

namespace {

using namespace necktest;

constexpr int kStringX[] = {300, 550, 800, 1050, 1300, 1550};  // strings 6 .. 1

QImage Shot(ctlNeck& neck) { return neck.grab().toImage(); }
QColor At(const QImage& image, int xTwips, int yTwips) { return image.pixelColor(Px(xTwips), Px(yTwips)); }
auto NotWhite = [](const QColor& c) { return c != QColor(Qt::white); };
auto Marked = [](const QColor& c) { return c != QColor(Qt::white) && !IsInlay(c); };
auto DarkNotRed = [](const QColor& c) { return IsDark(c); };
auto Grey = [](const QColor& c) { return c.red() == c.green() && c.green() == c.blue() && c.red() > 90 && c.red() < 170; };

struct Number {
    int x, y;
};
const Number kFretNumbers[] = {{60, 300},  {60, 700},  {60, 1100}, {60, 1500}, {60, 1900}, {20, 2500},
                               {20, 3100}, {20, 3500}, {20, 3900}, {20, 4300}, {20, 4700}};
const int kStringNumberX[] = {270, 520, 760, 1010, 1260, 1500};

class NeckPixels : public ::testing::Test {
protected:
    void SetUp() override { SetNumberSettings(true, true); }
};

// Finger digits and string numbers are printed bold: their strokes must be
// visibly thicker than those of the same digit printed regular.
TEST(TwipsCanvasText, BoldDigitsHaveClearlyMoreInk) {
    for (const char* digit : {"1", "2", "3", "4", "5", "6"}) {
        int ink[2] = {0, 0};
        for (bool bold : {false, true}) {
            TwipsCanvas canvas(600, 600);
            canvas.SetFontBold(bold);
            canvas.PrintAt(150, 150, QString::fromLatin1(digit));
            const QImage& image = canvas.Image();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) ink[bold] += 255 - qGray(image.pixel(x, y));
        }
        EXPECT_GT(ink[1], ink[0] * 13 / 10) << digit << ": bold " << ink[1] << ", regular " << ink[0];
    }
}

TEST_F(NeckPixels, EmptyNeckHasStringsNutWiresAndInlays) {
    ctlNeck neck;
    neck.Clear();
    const QImage img = Shot(neck);
    ASSERT_EQ(img.size(), QSize(Px(1840), Px(5460)));
    for (int x : kStringX)
        for (int f = 1; f <= 24; ++f) EXPECT_TRUE(IsDark(At(img, x, 200 * f + 100))) << "string " << x << " fret " << f;
    EXPECT_TRUE(IsDark(At(img, 900, 180)));
    EXPECT_TRUE(IsDark(At(img, 900, 200)));
    for (int y = 400; y <= 5000; y += 200) EXPECT_TRUE(IsDark(At(img, 425, y))) << "wire " << y;
    for (int f = 1; f <= 24; ++f) EXPECT_EQ(At(img, 425, 200 * f + 100), QColor(Qt::white)) << "cell " << f;
    EXPECT_EQ(Count(img, 250, 0, 1840, 170, NotWhite), 0) << "nothing above the nut";
    EXPECT_EQ(Count(img, 1620, 0, 1840, 5460, NotWhite), 0) << "nothing right of string 1";

    const int inlays[][2] = {{930, 330},  {930, 700},  {930, 1100}, {930, 1500}, {930, 1900}, {680, 2500},
                             {1180, 2500}, {930, 3120}, {930, 3500}, {930, 3900}, {930, 4300}, {930, 4700}};
    for (const auto& c : inlays)
        EXPECT_GE(Count(img, c[0] - 50, c[1] - 50, c[0] + 50, c[1] + 50, IsInlay), 4) << c[0] << "," << c[1];
    EXPECT_EQ(Count(img, 880, 2850, 980, 2950, IsInlay), 0) << "no ring in cell 14";
}

TEST_F(NeckPixels, FretAndStringNumbersShownAndHidden) {
    ctlNeck neck;
    neck.Clear();
    QImage img = Shot(neck);
    for (const Number& n : kFretNumbers)
        EXPECT_GT(Count(img, n.x, n.y, n.x + 190, n.y + 180, DarkNotRed), 3) << "fret number at y " << n.y;
    EXPECT_EQ(Count(img, 0, 430, 210, 570, NotWhite), 0) << "no number for fret 2";
    for (int x : kStringNumberX) EXPECT_GT(Count(img, x, 5170, x + 140, 5370, IsBlue), 3) << "string number at " << x;

    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0$C");
    const QImage withChord = Shot(neck);
    neck.SetFretNumbers(false);
    neck.SetStringNumbers(false);
    img = Shot(neck);
    EXPECT_EQ(Count(img, 0, 200, 210, 5000, NotWhite), 0) << "fret numbers painted out";
    EXPECT_EQ(Count(img, 0, 5170, 1840, 5460, NotWhite), 0) << "string numbers painted out";
    EXPECT_EQ(img.copy(Px(220), 0, img.width() - Px(220), Px(5160)),
              withChord.copy(Px(220), 0, img.width() - Px(220), Px(5160)))
        << "the chord, the grid and the note names stay";

    neck.SetFretNumbers(true);
    img = Shot(neck);
    for (const Number& n : kFretNumbers) EXPECT_GT(Count(img, n.x, n.y, n.x + 190, n.y + 180, DarkNotRed), 3);
    EXPECT_EQ(Count(img, 0, 5170, 1840, 5460, IsBlue), 0);
}

TEST_F(NeckPixels, NumberSettingsOffDrawOnlyTheGrid) {
    SetNumberSettings(false, false);
    ctlNeck neck;
    neck.Clear();
    const QImage img = Shot(neck);
    EXPECT_EQ(Count(img, 0, 0, 250, 5460, NotWhite), 0);
    EXPECT_EQ(Count(img, 0, 5020, 1840, 5460, NotWhite), 0);
    EXPECT_TRUE(IsDark(At(img, 300, 1000)));
}

TEST_F(NeckPixels, ChordRootsRedOthersBlackMutedStringsMarked) {
    QString key = "C";
    ctlNeck neck;
    neck.SetCurrentKeySource([&key] { return key; });
    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0");
    QImage img = Shot(neck);
    EXPECT_GT(CountInCell(img, 5, 3, IsRed), 5) << "C on string 5";
    EXPECT_GT(CountInCell(img, 2, 1, IsRed), 5) << "C on string 2";
    for (auto [s, f] : {std::pair{4, 2}, {3, 0}, {1, 0}, {6, 0}}) {
        EXPECT_GT(CountInCell(img, s, f, DarkNotRed), 2) << s << "," << f;
        EXPECT_EQ(CountInCell(img, s, f, IsRed), 0) << s << "," << f;
    }
    EXPECT_EQ(CountInCell(img, 6, 1, Marked), 0) << "nothing fretted on string 6";
    // The string is blanked under a marker: the string column is white in fret 2's cell of string 4.
    EXPECT_EQ(At(img, 800, 570), QColor(Qt::white));
    EXPECT_TRUE(IsDark(At(img, 800, 1570)));
    // Note-name row: C red under string 5, E black under string 4.
    EXPECT_GT(Count(img, 510, 5010, 700, 5160, IsRed), 3);
    EXPECT_GT(Count(img, 750, 5010, 940, 5160, DarkNotRed), 3);
    EXPECT_EQ(Count(img, 750, 5010, 940, 5160, IsRed), 0);

    // Without a root of its own the drawing follows the owner's key at each call.
    key = "G";
    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0");
    img = Shot(neck);
    EXPECT_EQ(CountInCell(img, 5, 3, IsRed), 0);
    EXPECT_GT(CountInCell(img, 3, 0, IsRed), 5);
    // A root in the code wins over the key.
    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0$C");
    img = Shot(neck);
    EXPECT_GT(CountInCell(img, 5, 3, IsRed), 5);
    EXPECT_EQ(CountInCell(img, 3, 0, IsRed), 0);
}

TEST_F(NeckPixels, FlatRootSpellsAndColoursBlackKeys) {
    ctlNeck neck;
    neck.SetCurrentKeySource([] { return QString("C"); });
    neck.WriteChord("0,6,1,1,3,3,3,3,3,3,1,1;1,5,1$Bb");
    const QImage img = Shot(neck);
    EXPECT_GT(CountInCell(img, 5, 1, IsRed), 5) << "Bb marker red";
    EXPECT_EQ(CountInCell(img, 4, 3, IsRed), 0) << "F marker black";
    // Two-spelling names print at their own x: string 5's "Bb" from x 450, in red.
    EXPECT_GT(Count(img, 450, 5010, 640, 5160, IsRed), 3);
    ctlNeck sharp;
    sharp.PrintNotes("||||||0");
    const QImage empty = Shot(sharp);
    EXPECT_EQ(Count(empty, 0, 5010, 1840, 5160, NotWhite), 0);
}

TEST_F(NeckPixels, NoteNameRowPlacesTwoSpellingNamesFurtherLeft) {
    // G# and Ab are printed from x 940, other names of string 3 from 990.
    auto rowOf = [](const QString& names) {
        ctlNeck neck;
        neck.PrintNotes(names);
        return Shot(neck);
    };
    const QImage sharp = rowOf("E|B|E|G#,Ab|B|E|0");
    const QImage flat = rowOf("E|B|E|G#,Ab|B|E|1");
    const QImage plain = rowOf("E|B|E|G|B|E|0");
    auto firstColumn = [](const QImage& img, int from, int to) {
        for (int x = Px(from); x <= Px(to); ++x)
            for (int y = Px(5010); y <= Px(5160); ++y)
                if (IsDark(img.pixelColor(x, y))) return x;
        return -1;
    };
    EXPECT_NEAR(firstColumn(sharp, 900, 1100), Px(940), 2);
    EXPECT_NEAR(firstColumn(flat, 900, 1100), Px(940), 2);
    EXPECT_NEAR(firstColumn(plain, 900, 1100), Px(990), 2);
    EXPECT_NE(sharp.copy(Px(900), Px(5010), 20, 11), flat.copy(Px(900), Px(5010), 20, 11)) << "G# is not Ab";
}

TEST_F(NeckPixels, BarresLieUnderTheirFretWithTheFret3LineLeftOut) {
    ctlNeck neck;
    neck.WriteChord("1,1,3,3,3,4,2,2,1,7,1,7;1,6,1$F");
    QImage img = Shot(neck);
    // Fret 1: lines at y 280, 290 and 300 from x 390 to 1460.
    for (int y : {280, 300}) {
        EXPECT_TRUE(IsDark(At(img, 1200, y))) << y;
        EXPECT_TRUE(IsDark(At(img, 400, y))) << y;
        EXPECT_TRUE(IsDark(At(img, 1440, y))) << y;
    }
    EXPECT_EQ(At(img, 1200, 250), QColor(Qt::white));
    EXPECT_EQ(At(img, 1200, 330), QColor(Qt::white));
    EXPECT_EQ(At(img, 1490, 290), QColor(Qt::white)) << "the bar stops short of string 1";
    EXPECT_EQ(CountInCell(img, 2, 2, Marked), 0);
    EXPECT_GT(CountInCell(img, 6, 1, IsRed), 5);

    // Fret 3: only the lines at 690 and 700. Four barre parts: the fourth is not drawn.
    neck.WriteChord("3,1,5,3,5,4,4,2,3,7,3,7;3,6,1;5,6,1;7,6,1;9,6,1$G");
    img = Shot(neck);
    EXPECT_TRUE(IsDark(At(img, 675, 690)));
    EXPECT_TRUE(IsDark(At(img, 675, 705)));
    EXPECT_EQ(At(img, 675, 675), QColor(Qt::white));
    for (int fret : {5, 7}) EXPECT_TRUE(IsDark(At(img, 1200, fret * 200 + 100))) << fret;
    EXPECT_EQ(Count(img, 1150, 9 * 200 + 50, 1250, 9 * 200 + 150, NotWhite), 0) << "fourth barre";

    // Malformed barre parts draw nothing and stop nothing: only the third is drawn.
    neck.WriteChord("0,0,2,2;2;x,6,1;2,6,1");
    img = Shot(neck);
    EXPECT_TRUE(IsDark(At(img, 1200, 480)));
    EXPECT_EQ(Count(img, 1150, 220, 1250, 380, NotWhite), 0);
    EXPECT_EQ(Count(img, 1150, 620, 1250, 780, NotWhite), 0);
}

TEST_F(NeckPixels, InitDrawMutesEveryString) {
    ctlNeck neck;
    neck.InitDraw();
    const QImage img = Shot(neck);
    for (int s = 1; s <= 6; ++s) {
        EXPECT_GT(CountInCell(img, s, 0, DarkNotRed), 3) << s;
        EXPECT_EQ(CountInCell(img, s, 0, IsRed), 0) << s;
    }
    EXPECT_EQ(Count(img, 250, 5010, 1840, 5160, NotWhite), 0) << "no note names";
}

TEST_F(NeckPixels, ScalePositionMarksEveryNoteWithTheRootRed) {
    ctlNeck neck;
    neck.SetCurrentKeySource([] { return QString("C"); });
    neck.WriteScale("6,5,1|6,8,4|5,5,1|5,7,3|4,5,1|4,7,3|3,5,1|3,7,3|2,5,1|2,8,4|1,5,1|1,8,4$A");
    const QImage img = Shot(neck);
    for (auto [s, f] : {std::pair{6, 5}, {4, 7}, {1, 5}}) EXPECT_GT(CountInCell(img, s, f, IsRed), 5) << s << "," << f;
    for (auto [s, f] : {std::pair{6, 8}, {5, 5}, {5, 7}, {4, 5}, {3, 5}, {3, 7}, {2, 5}, {2, 8}, {1, 8}}) {
        EXPECT_GT(CountInCell(img, s, f, DarkNotRed), 2) << s << "," << f;
        EXPECT_EQ(CountInCell(img, s, f, IsRed), 0) << s << "," << f;
    }
    EXPECT_EQ(CountInCell(img, 6, 6, Marked), 0);
    EXPECT_EQ(Count(img, 250, 5010, 1840, 5160, NotWhite), 0) << "a scale has no note-name row";
}

// Every position of the pitch class of open note + fret.
std::vector<std::pair<int, int>> PositionsOf(int pitchClass) {
    const int open[] = {64, 59, 55, 50, 45, 40};
    std::vector<std::pair<int, int>> out;
    for (int s = 1; s <= 6; ++s)
        for (int f = 0; f <= 24; ++f)
            if ((open[s - 1] + f) % 12 == pitchClass) out.emplace_back(s, f);
    return out;
}

TEST_F(NeckPixels, NoteMapWithStars) {
    ASSERT_EQ(PositionsOf(4).size(), 14u);
    ASSERT_EQ(PositionsOf(5).size(), 12u);
    ctlNeck neck;
    neck.MapNotes("E-G#", false, true);
    const QImage img = Shot(neck);
    for (auto [s, f] : PositionsOf(4)) EXPECT_GT(CountInCell(img, s, f, IsRed), 3) << "E at " << s << "," << f;
    for (auto [s, f] : PositionsOf(8)) {
        EXPECT_GT(CountInCell(img, s, f, DarkNotRed), 3) << "G# at " << s << "," << f;
        EXPECT_EQ(CountInCell(img, s, f, IsRed), 0) << "G# at " << s << "," << f;
    }
    for (auto [s, f] : PositionsOf(5)) EXPECT_EQ(CountInCell(img, s, f, Marked), 0) << "F at " << s << "," << f;
    EXPECT_GT(Count(img, 520, 5000, 1500, 5170, Grey), 5) << "the Note Map caption";
}

TEST_F(NeckPixels, NoteMapWithNamesAndTheRootRules) {
    ctlNeck neck;
    QString key = "C";
    neck.SetCurrentKeySource([&key] { return key; });
    neck.MapNotes("C-E-G", true, true);
    QImage img = Shot(neck);
    EXPECT_GT(CountInCell(img, 5, 3, IsRed), 3);
    for (auto [s, f] : {std::pair{4, 2}, {3, 0}, {6, 12}}) {
        EXPECT_GT(CountInCell(img, s, f, DarkNotRed), 3) << s << "," << f;
        EXPECT_EQ(CountInCell(img, s, f, IsRed), 0) << s << "," << f;
    }
    // Names and stars differ on the same position.
    ctlNeck stars;
    stars.MapNotes("C-E-G", false, true);
    EXPECT_NE(Shot(stars).copy(Px(200), 0, 20, 14), img.copy(Px(200), 0, 20, 14));

    // No root given: E is red only when it is the owner's key; unknown names mark nothing.
    neck.MapNotes("Cb-E", true);
    img = Shot(neck);
    EXPECT_EQ(CountInCell(img, 6, 0, IsRed), 0);
    EXPECT_GT(CountInCell(img, 6, 0, DarkNotRed), 3);
    EXPECT_EQ(CountInCell(img, 2, 0, Marked), 0) << "no mark for Cb (B on string 2)";
    key = "E";
    neck.MapNotes("Cb-E", true);
    EXPECT_GT(CountInCell(Shot(neck), 6, 0, IsRed), 3);
}

TEST_F(NeckPixels, NotAvailableNoticeOnABlankedBand) {
    ctlNeck neck;
    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0$C");
    neck.PrintNoChord("Not Available", "In Moveable");
    QImage img = Shot(neck);
    EXPECT_EQ(Count(img, 300, 2000, 1530, 2400, DarkNotRed), 0) << "wires and strings blanked";
    auto firstRedColumn = [](const QImage& image, int top) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = Px(top); y <= Px(top + 190); ++y)
                if (IsRed(image.pixelColor(x, y))) return x;
        return -1;
    };
    EXPECT_NEAR(firstRedColumn(img, 2000), Px(400), 2);
    EXPECT_NEAR(firstRedColumn(img, 2200), Px(430), 2);
    EXPECT_EQ(CountInCell(img, 5, 3, Marked), 0) << "the chord is gone";
    EXPECT_TRUE(IsDark(At(img, 425, 2600)));

    neck.PrintNoChord("Not Available", "In Root 6 Bar Chords");
    img = Shot(neck);
    EXPECT_NEAR(firstRedColumn(img, 2200), Px(40), 2);
    neck.PrintNoChord("Not Available", "In Open Chords");  // any other length
    EXPECT_NEAR(firstRedColumn(Shot(neck), 2200), Px(300), 2);
}

TEST_F(NeckPixels, ImageIsWhatTheHiddenControlDrew) {
    ctlNeck hidden;  // never shown, as the chart window's renderer
    EXPECT_EQ(Count(hidden.Image(), 0, 0, 1840, 5460, NotWhite), 0) << "blank before any drawing";
    hidden.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0$C");
    EXPECT_EQ(hidden.Image(), Shot(hidden));
    EXPECT_GT(CountInCell(hidden.Image(), 5, 3, IsRed), 5);
}

}  // namespace
