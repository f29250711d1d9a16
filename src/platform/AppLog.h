#pragma once
// The program's one logging category, "quillfret". Its warnings are on by
// default and reach standard error through Qt's message handler; they are
// how a fault that the program carried on past can be found.

#include <QLoggingCategory>
#include <string_view>

class AppLog {
public:
    static const QLoggingCategory& Category();
    // `where` (a handler, an engine call) skipped a step that threw `what`.
    // Never throws: a line that cannot be written is lost, not the program.
    static void Skipped(std::string_view where, std::string_view what) noexcept;
};
