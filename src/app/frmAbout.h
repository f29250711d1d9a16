#pragma once
// The about box: the program's version and a link to its product page.
// Created for each showing; it raises OnUnload when it closes, however it
// is closed, and its owner then lets it go.

#include <QDialog>

class QLabel;
class ctlButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblProduct() const { return lblProduct_; }
    QLabel* lblURL() const { return lblURL_; }
    ctlButton* btnOk() const { return btnOk_; }

    // Every way of closing ends here; it raises OnUnload once.
    void done(int result) override;

signals:
    void OnUnload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void btnOk_Click();
    void lblURL_Click();

    QLabel* lblProduct_;
    QLabel* lblURL_;
    ctlButton* btnOk_;
    bool unloaded_ = false;
};
