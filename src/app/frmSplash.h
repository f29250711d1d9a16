#pragma once
// The splash window shown while the main window loads: the program's name
// over a drawn fretboard, and its version in Label1(1). Moving the mouse
// over it closes it at once.

#include <QString>
#include <QWidget>
#include <array>

class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    // Label1(0) the name, Label1(1) the version, Label1(2) the line under them.
    QLabel* Label1(int index) const { return labels_.at(static_cast<size_t>(index)); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, 3> labels_{};
};
