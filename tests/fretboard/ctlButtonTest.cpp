#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "QtPrinters.h"
#include "ctlButton.h"

namespace {

// Records the button's events, in order, as text.
struct EventLog {
    QStringList events;
    explicit EventLog(ctlButton& b) {
        QObject::connect(&b, &ctlButton::Click, [this] { events << "Click"; });
        QObject::connect(&b, &ctlButton::MouseDown, [this](int16_t btn, int16_t, float, float) {
            events << QString("MouseDown %1").arg(btn);
        });
        QObject::connect(&b, &ctlButton::MouseUp, [this, &b](int16_t btn, int16_t, float, float) {
            // The focus moves to the clipping box only after the owner has seen MouseUp.
            events << QString("MouseUp %1 focus-on-picture=%2")
                          .arg(btn)
                          .arg(b.Picture1()->hasFocus() ? "yes" : "no");
        });
    }
};

TEST(ctlButton, SnapsToMinimumSizeAndLaysOutItsParts) {
    ctlButton b;
    EXPECT_EQ(b.WidthTwips(), 1230);
    EXPECT_EQ(b.HeightTwips(), 390);
    b.Move(0, 0, 500, 200);
    EXPECT_EQ(b.WidthTwips(), 1000);
    EXPECT_EQ(b.HeightTwips(), 330);
    EXPECT_EQ(b.Picture1Twips(), QRect(10, 10, 980, 310));
    EXPECT_EQ(b.Command1Twips(), QRect(-20, -20, 1020, 350));
    EXPECT_EQ(b.Shape1Twips(), b.Command1Twips());
    b.Move(0, 0, 1500, 600);
    EXPECT_EQ(b.Picture1Twips(), QRect(10, 10, 1480, 580));
    // The inner button's border lies outside the clipping box.
    EXPECT_LT(b.Command1()->x(), 0);
    EXPECT_GT(b.Command1()->width(), b.Picture1()->width());
}

TEST(ctlButton, RelaysMouseDownThenClickThenMouseUpAndMovesFocus) {
    QWidget window;
    ctlButton b(&window);
    b.Move(0, 0, 1500, 450);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EventLog log(b);
    QTest::mouseClick(b.Command1(), Qt::LeftButton, {}, b.Command1()->rect().center());
    EXPECT_EQ(log.events, QStringList({"MouseDown 1", "Click", "MouseUp 1 focus-on-picture=no"}));
    // A right-button click: no Click, the mouse events name the right button.
    log.events.clear();
    QTest::mouseClick(b.Command1(), Qt::RightButton, {}, b.Command1()->rect().center());
    EXPECT_EQ(log.events, QStringList({"MouseDown 2", "MouseUp 2 focus-on-picture=no"}));
    EXPECT_TRUE(b.Picture1()->hasFocus());
    EXPECT_TRUE(b.Picture1()->hasFocus());
}

TEST(ctlButton, DisabledButtonRaisesNothing) {
    QWidget window;
    ctlButton b(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    b.SetEnabled(false);
    EXPECT_FALSE(b.Command1()->isEnabled());
    EventLog log(b);
    QTest::mouseClick(b.Command1(), Qt::LeftButton, {}, b.Command1()->rect().center());
    EXPECT_TRUE(log.events.isEmpty()) << log.events.join(", ").toStdString();
}

TEST(ctlButton, PropertiesPersistWithDefaultsLeftOut) {
    QWidget owner;
    ctlButton b(&owner);
    b.InitProperties();
    PropertyBag fresh;
    b.ReadProperties(fresh);
    EXPECT_EQ(b.Caption(), QString("Command1"));
    EXPECT_EQ(b.BackColor(), 0x8000000Fu);
    EXPECT_TRUE(b.Enabled());

    PropertyBag saved;
    b.WriteProperties(saved);
    EXPECT_TRUE(saved.Values().isEmpty()) << "defaults are not written";

    b.ClearChangedProperties();
    b.SetCaption("Preview");
    b.SetForeColor(0x0000FF);
    b.SetBorderStyle(1);
    b.SetToolTipText("Hear it");
    EXPECT_EQ(b.ChangedProperties(), QStringList({"Caption", "ForeColor", "BorderStyle", "ToolTipText"}));
    b.WriteProperties(saved);
    EXPECT_EQ(saved.ReadProperty("Caption", "x").toString(), QString("Preview"));

    ctlButton other(&owner);
    other.ReadProperties(saved);
    EXPECT_EQ(other.Caption(), QString("Preview"));
    EXPECT_EQ(other.ForeColor(), 0x0000FFu);
    EXPECT_EQ(other.BorderStyle(), 1);
    EXPECT_EQ(other.ToolTipText(), QString("Hear it"));
    EXPECT_EQ(other.BackStyle(), 0);
}

}  // namespace
