#pragma once
// Every message box, input box and Yes/No question of the program goes
// through the one current prompter, so that tests can answer them. The real
// one shows the toolkit's message and input dialogs.

#include <QString>
#include <optional>

class QDialog;

class Prompter {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Prompter() = default;

    // A message box; with YesNo the answer is Yes or No, else Ok. Line breaks
    // may be written CR LF. A system-modal box blocks every window of the program.
    virtual Answer Message(const QString& text, const QString& title, Icon icon,
                           Buttons buttons = Buttons::Ok, bool systemModal = false) = 0;
    // An input box: the text typed, or nothing when the user cancels.
    virtual std::optional<QString> Input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
    // Runs a modal window of the program (the tablature entry, the about box)
    // until it closes.
    virtual void RunModal(QDialog& dialog) = 0;

    // The prompter in use.
    static Prompter& Current();
    // Makes `prompter` the current one (tests); nullptr brings back the real one.
    // The caller keeps ownership.
    static void Install(Prompter* prompter);
};
