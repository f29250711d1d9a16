#pragma once
// The tablature window: a tool window of the main window that lives from
// start-up to shutdown. It shows the text tablature of the current chord or
// scale, the scale's usage text or the chart-play text, and holds the current
// chart's item list for the chart manager panel. Its owner fills it; it only
// reports its button. Fixed size, so that it can be docked by formula.

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class frmTabWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 3900;
    static constexpr int kHeightTwips = 1950;
    // A tool window of its owner whose title bar offers Close only: it is
    // minimised with the main window and has a size of its own to keep.
    static constexpr Qt::WindowFlags kWindowFlags =
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

    explicit frmTabWindow(QWidget* owner);
    ~frmTabWindow() override;

    QListWidget* lstChartItems() const { return lstChartItems_; }
    QPushButton* cmdButton() const { return cmdButton_; }
    QPlainTextEdit* txtTab() const { return txtTab_; }
    QLabel* lblTip() const { return lblTip_; }

    // txtTab's text as it was set (line breaks CR LF, as the fretboard writes them).
    QString TabText() const { return tabText_; }
    void SetTabText(const QString& text);

    // The colour of the panel behind the text; white at start.
    QColor ShapeColor() const { return shapeColor_; }
    void SetShapeColor(const QColor& color);

signals:
    void OnUnload();
    void ButtonClick();
    // Declared for the owner's handler; nothing raises it.
    void TextGotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdButton_Click();
    // Places the text, the tip and the list by which of them are visible.
    void Arrange();

    QListWidget* lstChartItems_;
    QPushButton* cmdButton_;
    QPlainTextEdit* txtTab_;
    QLabel* lblTip_;
    QString tabText_;
    QColor shapeColor_{Qt::white};
    QRect shapeRect_;
};
