#include "frmMaint.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include "AppFonts.h"
#include "AppSettings.h"
#include "FormDrag.h"
#include "MIDI_OUT.h"
#include "ModalBox.h"
#include "SystemColors.h"
#include "Twips.h"
#include "ctlButton.h"
#include "ctlMIDI.h"
#include "modInstrumentFile.h"

const QStringList& frmMaint::StrumNames() {
    static const QStringList names = {
        QStringLiteral("Low To High"),
        QStringLiteral("High To Low"),
        QStringLiteral("Low To High\\High To Low"),
        QStringLiteral("Low To High\\with end strum"),
        QStringLiteral("High To Low\\with end strum"),
        QStringLiteral("Single Strum"),
        QStringLiteral("Fingerpick"),
    };
    return names;
}

frmMaint::frmMaint(MIDI_OUT* Output, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), output_(Output) {
    ModalBox::Prepare(*this);
    setFont(AppFonts::Tahoma());
    setFixedSize(Twips::ToPixels(3675), Twips::ToPixels(3660));

    lblCaption_ = new QLabel(QStringLiteral(" Chord Strum Patterns:"), this);
    lblCaption_->setObjectName(QStringLiteral("lblCaption"));
    lblCaption_->setGeometry(Twips::Rect(240, 240, 3180, 255));
    lblCaption_->setFont(AppFonts::Tahoma(8.25, true));
    // A press on the background or on the caption moves the window.
    (new FormDrag(this))->AddHandle(lblCaption_);

    lst_ = new QListWidget(this);
    lst_->setObjectName(QStringLiteral("lst"));
    lst_->setGeometry(Twips::Rect(240, 480, 3180, 2400));
    lst_->setFont(AppFonts::Tahoma());

    auto button = [this](const char* name, const char* caption, int left) {
        auto* b = new ctlButton(this);
        b->setObjectName(QLatin1String(name));
        b->SetCaption(QLatin1String(caption));
        b->SetFont(AppFonts::Tahoma());
        b->Move(left, 3000, 1475, 375);
        return b;
    };
    btnPreview_ = button("btnPreview", "Preview", 240);
    btnPreview_->Command1()->setAutoDefault(false);
    btnPreview_->setVisible(false);
    btnOk_ = button("btnOk", "OK", 1960);
    btnOk_->Command1()->setDefault(true);

    connect(lst_, &QListWidget::currentRowChanged, this, &frmMaint::lst_Click);
    connect(btnOk_, &ctlButton::Click, this, &frmMaint::btnOk_Click);
    connect(btnPreview_, &ctlButton::MouseDown, this, &frmMaint::btnPreview_MouseDown);
    connect(btnPreview_, &ctlButton::MouseUp, this, &frmMaint::btnPreview_MouseUp);
}

void frmMaint::selectRow(int row, int fallback) {
    if (row < 0 || row >= lst_->count()) row = fallback < lst_->count() ? fallback : -1;
    lst_->setCurrentRow(row);
}

// Each load fills the list with its signals blocked: selecting while loading sends nothing.

void frmMaint::LoadDevices() {
    // The open output stays open: it is replaced only when a device is confirmed with OK.
    const QSignalBlocker quiet(lst_);
    lblCaption_->setText(QStringLiteral(" Device List:"));
    if (output_)
        output_->LoadDeviceList(*lst_);
    else
        lst_->clear();
    selectRow(AppSettings::GetInt(QStringLiteral("Dev"), 0, 0, 32767), 0);
    listMode_ = 0;
}

void frmMaint::LoadStrums() {
    const QSignalBlocker quiet(lst_);
    lblCaption_->setText(QStringLiteral(" Chord Strum Patterns:"));
    lst_->clear();
    lst_->addItems(StrumNames());
    selectRow(AppSettings::GetInt(QStringLiteral("Strum"), ctlMIDI::kDefaultStrum, 0, 6),
              ctlMIDI::kDefaultStrum);
    listMode_ = 1;
}

void frmMaint::LoadSounds(const QString& FileName, int16_t Sound) {
    const QSignalBlocker quiet(lst_);
    lblCaption_->setText(QStringLiteral(" Instrument Select:"));
    lst_->clear();
    lst_->addItems(modInstrumentFile::ReadInstrumentNames(FileName));
    selectRow(Sound, ctlMIDI::kDefaultSound);
    listMode_ = 2;
    btnPreview_->setVisible(true);
}

void frmMaint::lst_Click(int row) {
    if (listMode_ == 2 && row >= 0 && row < modInstrumentFile::kPrograms && output_)
        output_->SetInstrument(0, 0, static_cast<int16_t>(row));
}

void frmMaint::btnPreview_MouseDown() { emit OnPlayTestChord(); }

void frmMaint::btnPreview_MouseUp() {
    if (output_) output_->AllNotesOff();
}

void frmMaint::btnOk_Click() {
    const int row = lst_->currentRow();
    if (row >= 0) {
        switch (listMode_) {
            case 0:
                emit SaveDevice(static_cast<int16_t>(lst_->item(row)->data(Qt::UserRole).toInt()),
                                static_cast<int16_t>(row));
                break;
            case 1:
                emit SaveStrum(static_cast<int16_t>(row));
                break;
            case 2:
                emit SaveSound(static_cast<int16_t>(row));
                break;
            default:
                break;
        }
    }
    accept();
}

void frmMaint::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        emit OnUnload();
    }
    QDialog::done(result);
}

void frmMaint::paintEvent(QPaintEvent*) {
    // The background: the button face, framed, since the window has no title bar.
    QPainter p(this);
    p.fillRect(rect(), SystemColors::SystemColor(SystemColors::ButtonFace));
    p.setPen(SystemColors::SystemColor(SystemColors::ButtonShadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(SystemColors::SystemColor(SystemColors::ButtonHighlight));
    p.drawLine(1, 1, width() - 2, 1);
    p.drawLine(1, 1, 1, height() - 2);
}

