// Click sequences on the selector controls and the events they raise, in order.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <algorithm>

#include "QtPrinters.h"
#include "SelectorButton.h"
#include "ctlButtons.h"
#include "ctlChordExt.h"
#include "ctlDis.h"
#include "ctlKey.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"

namespace {

// A shown control (offscreen) and the text of every event it raised.
template <typename Control>
struct Shown {
    QWidget window;
    Control* control = new Control(&window);
    QStringList events;
    Shown() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }
};

TEST(ctlKey, ComposesKeyNamesFromLettersAndAccidentals) {
    Shown<ctlKey> k;
    QObject::connect(k.control, &ctlKey::KeyChange, [&](const QString& key) { k.events << "KeyChange " + key; });
    QObject::connect(k.control, &ctlKey::MouseUp, [&] { k.events << "MouseUp"; });
    auto press = [&](int index) {
        k.events.clear();
        k.click(k.control->Button(index));
        return k.events;
    };
    enum { A, B, C, D, E, F, G, Flat, Sharp };
    EXPECT_EQ(press(A), QStringList({"KeyChange A", "MouseUp"}));
    EXPECT_EQ(press(Sharp), QStringList({"KeyChange A#", "MouseUp"}));
    EXPECT_EQ(press(Flat), QStringList({"KeyChange Ab", "MouseUp"}));

    press(E);  // no sharp for E
    EXPECT_FALSE(k.control->Button(Sharp)->isEnabled());
    EXPECT_EQ(k.control->Button(Sharp)->text(), "");
    EXPECT_TRUE(k.control->Button(Flat)->isEnabled());
    EXPECT_EQ(press(Flat), QStringList({"KeyChange Eb", "MouseUp"}));
    EXPECT_EQ(press(C), QStringList({"KeyChange C", "MouseUp"}));
    EXPECT_FALSE(k.control->Button(Flat)->isEnabled());
    EXPECT_EQ(k.control->Button(Flat)->text(), "");
    EXPECT_TRUE(k.control->Button(Sharp)->isEnabled());
    EXPECT_EQ(k.control->Button(Sharp)->text(), "#");
    EXPECT_EQ(press(Sharp), QStringList({"KeyChange C#", "MouseUp"}));
    EXPECT_EQ(press(G), QStringList({"KeyChange G", "MouseUp"}));
    EXPECT_TRUE(k.control->Button(Flat)->isEnabled());
}

TEST(ctlKey, AnAccidentalFirstThenALetter) {
    struct Case {
        std::vector<int> clicks;
        QStringList keys;
    };
    const Case cases[] = {
        {{7, 8, 6}, {"b", "#", "G#"}},
        {{8, 1}, {"#", "B#"}},  // composed although B has no sharp
        {{7, 2}, {"b", "Cb"}},
        {{7, 0, 8}, {"b", "Ab", "A#"}},
    };
    for (const Case& c : cases) {
        Shown<ctlKey> k;
        QObject::connect(k.control, &ctlKey::KeyChange, [&](const QString& key) { k.events << key; });
        for (int i : c.clicks) k.click(k.control->Button(i));
        EXPECT_EQ(k.events, c.keys);
    }
}

TEST(ctlKey, LayoutEnabledAndSnapBack) {
    ctlKey key;
    EXPECT_EQ(key.size(), QSize(130, 49));
    key.resize(400, 400);
    EXPECT_EQ(key.size(), QSize(130, 49));
    EXPECT_EQ(key.Button(6)->text(), "G");
    EXPECT_EQ(key.Button(6)->toolTip(), "Key of G");
    EXPECT_EQ(key.Button(7)->toolTip(), "Flat");
    EXPECT_TRUE(key.Button(0)->font().bold());
    EXPECT_TRUE(key.Button(7)->font().italic());
    EXPECT_FALSE(key.Button(8)->font().bold());
    // b G # on the last row: G between them.
    EXPECT_LT(key.Button(7)->x(), key.Button(6)->x());
    EXPECT_LT(key.Button(6)->x(), key.Button(8)->x());
    EXPECT_EQ(key.Button(7)->y(), key.Button(6)->y());

    key.SetEnabled(false);
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(key.Button(i)->isEnabled());
    key.SetEnabled(true);
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(key.Button(i)->isEnabled());
}

TEST(ctlChordExt, ExtensionButtonsAndClear) {
    Shown<ctlChordExt> x;
    QObject::connect(x.control, &ctlChordExt::Change, [&](int16_t i) { x.events << QString("Change %1").arg(i); });
    QObject::connect(x.control, &ctlChordExt::Clear, [&] { x.events << "Clear"; });
    QObject::connect(x.control, &ctlChordExt::MouseUp, [&] { x.events << "MouseUp"; });
    EXPECT_EQ(x.control->ExtCode(), 0);
    x.click(x.control->ExtButton(33));
    EXPECT_EQ(x.events, QStringList({"Change 33", "MouseUp"}));
    EXPECT_EQ(x.control->ExtCode(), 33);
    x.events.clear();
    x.click(x.control->ClearButton());
    EXPECT_EQ(x.events, QStringList({"Clear", "MouseUp"}));
    EXPECT_EQ(x.control->ExtCode(), 33);
    x.events.clear();
    x.click(x.control->ExtButton(0));
    x.click(x.control->ExtButton(34));
    EXPECT_EQ(x.events, QStringList({"Change 0", "MouseUp", "Change 34", "MouseUp"}));
}

TEST(ctlChordExt, CaptionsColoursFontsAndSnapBack) {
    ctlChordExt x;
    EXPECT_EQ(x.size(), QSize(130, 193));
    x.resize(10, 10);
    EXPECT_EQ(x.size(), QSize(130, 193));
    const struct { int index; const char* caption; const char* tip; QColor face; } cases[] = {
        {0, "Major", "Major, Maj, M", QColor(192, 255, 255)},
        {1, "Minor", "Minor, min, m", QColor(192, 192, 255)},
        {2, "7", "Dominant Seven, Dom7, 7", QColor(255, 192, 192)},
        {21, "m(M7)", "Minor Major Seven, m(+7), min(+7)", QColor(192, 255, 255)},
        {33, "13b5b9", "Thirteen Flat Five Flat Nine", QColor(255, 192, 192)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(x.ExtButton(c.index)->text(), c.caption);
        EXPECT_EQ(x.ExtButton(c.index)->toolTip(), c.tip);
        EXPECT_EQ(x.ExtButton(c.index)->palette().color(QPalette::Button), c.face) << c.caption;
        EXPECT_FALSE(x.ExtButton(c.index)->font().bold());
    }
    EXPECT_EQ(x.ExtButton(34)->text(), "+");
    EXPECT_TRUE(x.ExtButton(34)->font().bold());
    EXPECT_DOUBLE_EQ(x.ExtButton(34)->font().pointSizeF(), 9.0);
    EXPECT_EQ(x.ClearButton()->text(), "Clear");
    EXPECT_TRUE(x.ClearButton()->font().bold());
    // Tab order by rows: Major, Minor, 7, then sus4.
    EXPECT_EQ(x.ExtButton(0)->nextInFocusChain(), x.ExtButton(1));
    EXPECT_EQ(x.ExtButton(1)->nextInFocusChain(), x.ExtButton(2));
    EXPECT_EQ(x.ExtButton(2)->nextInFocusChain(), x.ExtButton(3));
    EXPECT_EQ(x.ExtButton(10)->nextInFocusChain(), x.ExtButton(14)) << "m7 then 7b5 on row 4";
}

TEST(ctlScaleExt, GroupsFillTheColumnAndClicksReportNames) {
    Shown<ctlScaleExt> x;
    QObject::connect(x.control, &ctlScaleExt::Change, [&](const QString& name) { x.events << name; });
    EXPECT_EQ(x.control->Button(0)->text(), "Caption");
    x.control->SetSubTypes(4);
    EXPECT_EQ(x.control->Button(0)->text(), "Leading Whole Tone");
    for (int i = 1; i < 12; ++i) {
        EXPECT_EQ(x.control->Button(i)->text(), "") << i;
        EXPECT_TRUE(x.control->Button(i)->isEnabled()) << i;
    }
    x.click(x.control->Button(5));
    EXPECT_TRUE(x.events.isEmpty());

    x.control->SetSubTypes(5);
    EXPECT_EQ(x.control->Button(0)->text(), "Arabian");
    EXPECT_EQ(x.control->Button(8)->text(), "Overtone");
    EXPECT_EQ(x.control->Button(9)->text(), "");
    x.control->SetSubTypes(6);
    x.click(x.control->Button(0));
    x.click(x.control->Button(3));
    EXPECT_EQ(x.events, QStringList({"Gagaku (Ryo)", "Okinawa"}));

    for (int16_t group : {7, -1}) {
        x.control->SetSubTypes(group);
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(x.control->Button(i)->text(), "");
            EXPECT_TRUE(x.control->Button(i)->isEnabled());
        }
    }
    x.control->resize(5, 5);
    EXPECT_EQ(x.control->size(), QSize(130, 193));
}

TEST(ctlScaleExt, EveryGroupHoldsItsScaleNames) {
    ctlScaleExt x;
    const struct { int16_t group; int count; const char* first; const char* last; } cases[] = {
        {0, 4, "Major", "Neopolitan Major"},  {1, 6, "Natural Minor", "Neopolitan Minor"},
        {2, 2, "Pentatonic Major", "Pentatonic Minor"}, {3, 2, "Blues", "Major Blues"},
        {4, 1, "Leading Whole Tone", "Leading Whole Tone"}, {5, 9, "Arabian", "Overtone"},
        {6, 4, "Gagaku (Ryo)", "Okinawa"}};
    int total = 0;
    for (const auto& c : cases) {
        x.SetSubTypes(c.group);
        EXPECT_EQ(x.Button(0)->text(), c.first);
        EXPECT_EQ(x.Button(c.count - 1)->text(), c.last);
        EXPECT_EQ(x.Button(c.count)->text(), "");
        total += c.count;
    }
    EXPECT_EQ(total, 28);
}

struct PositionLog {
    QStringList events;
    explicit PositionLog(ctlPosition& p) {
        QObject::connect(&p, &ctlPosition::OnType, [this](int16_t i) { events << QString("OnType %1").arg(i); });
        QObject::connect(&p, &ctlPosition::OnVariation,
                         [this](int16_t v) { events << QString("OnVariation %1").arg(v); });
        QObject::connect(&p, &ctlPosition::MouseUp, [this] { events << "MouseUp"; });
    }
};

std::vector<bool> BoldCaptions(const ctlPosition& p) {
    std::vector<bool> bold;
    for (int i = 0; i < 7; ++i) bold.push_back(p.Button(i)->font().bold());
    return bold;
}

TEST(ctlPosition, LoadMethodsRaiseOnTypeZeroTwice) {
    Shown<ctlPosition> p;
    PositionLog log(*p.control);
    p.control->LoadScaleTypes();
    EXPECT_EQ(log.events, QStringList({"OnType 0", "OnType 0"}));
    EXPECT_EQ(p.control->List()->count(), 7);
    EXPECT_EQ(p.control->List()->currentText(), "Major Scales");
    EXPECT_EQ(p.control->List()->itemText(6), "Japanese Scales");
    EXPECT_EQ(p.control->Button(4)->toolTip(), "Variation 5");

    log.events.clear();
    p.control->LoadChordTypes();  // entry 0 was selected already: still twice
    EXPECT_EQ(log.events, QStringList({"OnType 0", "OnType 0"}));
    EXPECT_EQ(p.control->List()->currentText(), "Open Chords");
    EXPECT_EQ(p.control->List()->itemText(3), "Root 5 Bar Chords");

    log.events.clear();
    p.control->List()->setCurrentIndex(2);  // as the user's choice does
    p.control->SetListIndex(3);
    EXPECT_EQ(log.events, QStringList({"OnType 2", "OnType 3"}));
    EXPECT_EQ(p.control->ListIndex(), 3);
    EXPECT_EQ(p.control->ChangedProperties(), QStringList{"ListIndex"});
}

TEST(ctlPosition, VariationButtons) {
    Shown<ctlPosition> p;
    PositionLog log(*p.control);
    p.control->SetVariationCount(3);
    p.control->SetVariation(2);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(p.control->Button(i)->isEnabled(), i < 3) << i;
    EXPECT_EQ(BoldCaptions(*p.control), std::vector<bool>({false, true, false, false, false, false, false}));
    p.control->SetVariation(0);
    EXPECT_EQ(BoldCaptions(*p.control), std::vector<bool>(7, false));

    p.control->SetVariationCount(7);
    p.click(p.control->Button(4));
    EXPECT_EQ(log.events, QStringList({"OnVariation 5", "MouseUp"}));
    EXPECT_EQ(p.control->Variation(), 5);
    EXPECT_EQ(BoldCaptions(*p.control), std::vector<bool>({false, false, false, false, true, false, false}));
    p.control->SetVariation(1);  // the owner's choice marks its own button
    EXPECT_EQ(BoldCaptions(*p.control), std::vector<bool>({true, false, false, false, false, false, false}));

    p.control->SetVariationCount(0);
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(p.control->Button(i)->isEnabled());
    log.events.clear();
    p.click(p.control->Button(0));
    EXPECT_TRUE(log.events.isEmpty());
}

// The ink of a button's caption as grabbed: how much darker than the button
// face its pixels are, inside the frame.
int CaptionInk(QPushButton* button) {
    const QImage image = button->grab().toImage();
    const int face = qGray(button->palette().color(QPalette::Button).rgb());
    int ink = 0;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x) ink += std::max(0, face - qGray(image.pixel(x, y)));
    return ink;
}

// Bold must read as bold: the selected variation's digit is drawn with
// clearly thicker strokes than the same digit unselected.
TEST(ctlPosition, TheSelectedVariationsDigitHasClearlyMoreInk) {
    Shown<ctlPosition> p;
    p.control->SetVariationCount(7);
    for (int i = 0; i < 7; ++i) {
        p.control->SetVariation(0);
        const int regular = CaptionInk(p.control->Button(i));
        p.control->SetVariation(static_cast<int16_t>(i + 1));
        const int bold = CaptionInk(p.control->Button(i));
        EXPECT_GT(bold, regular * 13 / 10) << "variation " << i + 1 << ": " << bold << " against " << regular;
    }
}

TEST(ctlPosition, CountsAndVariationsAboveSevenDoNotFail) {
    ctlPosition p;
    p.SetVariationCount(12);
    EXPECT_EQ(p.VariationCount(), 12);
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(p.Button(i)->isEnabled());
    p.SetVariation(9);
    EXPECT_EQ(p.Variation(), 9);
    EXPECT_EQ(BoldCaptions(p), std::vector<bool>(7, false));
    p.SetVariationCount(-3);
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(p.Button(i)->isEnabled());
}

TEST(ctlPosition, ListPropertiesAndSnapBack) {
    ctlPosition p;
    PositionLog log(p);
    p.AddItem("Second");
    p.AddItem("First", 0);
    EXPECT_EQ(p.ListIndex(), -1) << "adding selects nothing";
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(p.List()->itemText(0), "First");
    p.SetPosType("Second");
    EXPECT_EQ(p.PosType(), "Second");
    EXPECT_EQ(p.ListIndex(), 1);
    p.SetPosType("Nowhere");
    EXPECT_EQ(p.ListIndex(), 1);
    p.SetTypeCode(3);
    EXPECT_EQ(p.TypeCode(), 3);
    p.SetEnabled(false);
    EXPECT_FALSE(p.List()->isEnabled());
    EXPECT_FALSE(p.Button(0)->isEnabled());
    p.resize(1, 1);
    EXPECT_EQ(p.size(), QSize(131, 39));
}

TEST(ctlDis, ValuesAndTitles) {
    ctlDis d;
    d.SetDisplayTitle1("Chord:");
    d.SetDisplayTitle2("Formula:");
    d.SetDisplay1("C Major (1)");
    d.SetDisplay2("1-3-5");
    d.SetDisplay3("C-E-G");
    EXPECT_EQ(d.ValueLabel(1)->text(), "1-3-5");
    d.SetDisplay2("");
    EXPECT_EQ(d.Display2(), "");
    EXPECT_EQ(d.ValueLabel(1)->text(), "");
    d.Clear();
    EXPECT_EQ(d.Display1(), "");
    EXPECT_EQ(d.Display3(), "");
    EXPECT_EQ(d.ValueLabel(0)->text(), "");
    EXPECT_EQ(d.DisplayTitle1(), "Chord:");
    EXPECT_EQ(d.TitleLabel(1)->text(), "Formula:");
    EXPECT_TRUE(d.ValueLabel(0)->font().bold());
    EXPECT_FALSE(d.ValueLabel(1)->font().bold());
    EXPECT_EQ(d.ValueLabel(2)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
}

TEST(ctlButtons, EachButtonReportsItsIndexThenMouseUp) {
    Shown<ctlButtons> b;
    QObject::connect(b.control, &ctlButtons::Click, [&](int16_t i) { b.events << QString("Click %1").arg(i); });
    QObject::connect(b.control, &ctlButtons::MouseUp, [&] { b.events << "MouseUp"; });
    for (int i : {2, 0, 1, 3}) {
        // The buttons overlap: click where each one shows.
        QPushButton* button = b.control->Button(i);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, 2));
    }
    EXPECT_EQ(b.events, QStringList({"Click 2", "MouseUp", "Click 0", "MouseUp", "Click 1", "MouseUp", "Click 3",
                                     "MouseUp"}));
    EXPECT_EQ(b.control->Button(2)->toolTip(), "Show/Hide Fret Numbers");
    EXPECT_EQ(b.control->Button(0)->toolTip(), "Add this grid to your current chart.");
}

}  // namespace
