#pragma once
// A prompter for tests: keeps every message, input box and question it is
// asked, and answers from the queues a test fills. With nothing queued a
// question is answered No, an input box is cancelled and a modal window is
// closed unchanged. Installs itself while it lives. `onCall` sees each call
// as it is made, while the box would be open.

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "Prompter.h"

class RecordingPrompter : public Prompter {
public:
    struct Call {
        enum class Kind { Message, Input, Modal } kind;
        QString text;   // message text or input prompt (the window's title for Modal)
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        bool systemModal = false;
        QString defaultText;
    };

    RecordingPrompter() { Prompter::Install(this); }
    ~RecordingPrompter() override { Prompter::Install(nullptr); }

    Answer Message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   bool systemModal) override {
        calls.push_back({Call::Kind::Message, text, title, icon, buttons, systemModal, {}});
        if (onCall) onCall(calls.back());
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::optional<QString> Input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override {
        calls.push_back({Call::Kind::Input, prompt, title, Icon::None, Buttons::Ok, false, defaultText});
        if (onCall) onCall(calls.back());
        if (inputs.empty()) return std::nullopt;
        // Taken apart rather than copied whole: g++ 12 warns on a copied optional QString.
        const bool answered = inputs.front().has_value();
        const QString text = inputs.front().value_or(QString());
        inputs.pop_front();
        if (!answered) return std::nullopt;
        return text;
    }

    void RunModal(QDialog& dialog) override {
        calls.push_back({Call::Kind::Modal, dialog.windowTitle(), dialog.windowTitle(), Icon::None,
                         Buttons::Ok, false, {}});
        if (onCall) onCall(calls.back());
        if (modal) modal(dialog);
    }

    std::vector<Call> Messages() const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == Call::Kind::Message) out.push_back(c);
        return out;
    }
    void Clear() { calls.clear(); }

    std::vector<Call> calls;
    std::deque<Answer> answers;                 // for Yes/No questions
    std::deque<std::optional<QString>> inputs;  // for input boxes; nullopt = Cancel
    std::function<void(QDialog&)> modal;        // drives a modal window while it is "shown"
    std::function<void(const Call&)> onCall;
};
