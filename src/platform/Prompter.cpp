#include "Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "ModalBox.h"
#include "ScreenFit.h"

namespace {

QString plainBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

class DialogPrompter : public Prompter {
public:
    Answer Message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   bool systemModal) override {
        QMessageBox box(toIcon(icon), title, plainBreaks(text),
                        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                        QApplication::activeWindow());
        if (systemModal) box.setWindowModality(Qt::ApplicationModal);
        ModalBox::Prepare(box);
        const int result = box.exec();
        if (buttons == Buttons::Ok) return Answer::Ok;
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }

    std::optional<QString> Input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override {
        // Made here rather than by getText, so that it can be kept on the
        // screen and offer no minimise.
        QInputDialog box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setLabelText(plainBreaks(prompt));
        box.setInputMode(QInputDialog::TextInput);
        box.setTextValue(defaultText);
        ModalBox::Prepare(box);
        ScreenFit::Keep(&box);
        if (box.exec() != QDialog::Accepted) return std::nullopt;
        return box.textValue();
    }

    void RunModal(QDialog& dialog) override {
        ModalBox::Prepare(dialog);
        ScreenFit::Keep(&dialog);
        dialog.exec();
    }

private:
    static QMessageBox::Icon toIcon(Icon icon) {
        switch (icon) {
            case Icon::Critical: return QMessageBox::Critical;
            case Icon::Question: return QMessageBox::Question;
            case Icon::Exclamation: return QMessageBox::Warning;
            case Icon::Information: return QMessageBox::Information;
            case Icon::None: break;
        }
        return QMessageBox::NoIcon;
    }
};

Prompter*& installed() {
    static Prompter* prompter = nullptr;
    return prompter;
}

}  // namespace

Prompter& Prompter::Current() {
    if (Prompter* p = installed()) return *p;
    static DialogPrompter real;
    return real;
}

void Prompter::Install(Prompter* prompter) { installed() = prompter; }
