#pragma once
// A prompter for tools that run the program's windows unattended (the
// screenshot tools, the start-up benchmark): messages go to the console,
// questions are answered No, input boxes cancelled and modal windows closed.
// Installs itself while it lives.

#include <QDialog>
#include <cstdio>

#include "Prompter.h"

class ConsolePrompter : public Prompter {
public:
    ConsolePrompter() { Prompter::Install(this); }
    ~ConsolePrompter() override { Prompter::Install(nullptr); }

    Answer Message(const QString& text, const QString& title, Icon, Buttons buttons, bool) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text.simplified()));
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    std::optional<QString> Input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    void RunModal(QDialog&) override {}
};
