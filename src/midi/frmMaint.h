#pragma once
// The MIDI settings dialog: one list, in one of three modes (output devices,
// strum patterns, instruments), an OK button and, for instruments, a Preview
// button that sounds a test chord while held. A small modal window without a
// title bar, dragged by its background or caption. It writes no setting
// itself: the choice goes to its owner through its events.

#include <QDialog>
#include <QPointer>
#include <cstdint>

#include "MIDI_OUT.h"

class QLabel;
class QListWidget;
class ctlButton;

class frmMaint : public QDialog {
    Q_OBJECT
public:
    // Lists the devices of Output and sends instrument picks and the preview
    // silencing to it; a null output lists nothing and sends nothing.
    explicit frmMaint(MIDI_OUT* Output, QWidget* parent = nullptr);

    void LoadDevices();
    void LoadStrums();
    void LoadSounds(const QString& FileName, int16_t Sound);

    // 0 devices, 1 strum patterns, 2 instruments.
    int16_t ListMode() const { return listMode_; }
    static const QStringList& StrumNames();

    QLabel* lblCaption() const { return lblCaption_; }
    QListWidget* lst() const { return lst_; }
    ctlButton* btnPreview() const { return btnPreview_; }
    ctlButton* btnOk() const { return btnOk_; }

    // Every way of closing ends here; it raises OnUnload once.
    void done(int result) override;

signals:
    void OnUnload();
    void OnPlayTestChord();
    void SaveSound(int16_t ListIndex);
    void SaveStrum(int16_t ListIndex);
    void SaveDevice(int16_t DeviceID, int16_t ListIndex);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void lst_Click(int row);
    void btnOk_Click();
    void btnPreview_MouseDown();
    void btnPreview_MouseUp();
    void selectRow(int row, int fallback);

    QPointer<MIDI_OUT> output_;
    QLabel* lblCaption_;
    QListWidget* lst_;
    ctlButton* btnPreview_;
    ctlButton* btnOk_;
    int16_t listMode_ = 0;
    bool unloaded_ = false;
};
