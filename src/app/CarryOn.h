#pragma once
// Window handlers carry on past a failing step: nothing thrown leaves an
// event handler, and the next step runs. What a step threw is logged under
// the handler's name, so that the fault can still be found:
//
//     const CarryOn carryOn("frmMain::Form_Load");
//     carryOn([&] { ... });
//     carryOn([&] { ... });

#include <exception>
#include <utility>

#include "AppLog.h"

class CarryOn {
public:
    // `handler` names the handler in the log; a string literal.
    explicit constexpr CarryOn(const char* handler) : handler_(handler) {}

    template <class Step>
    void operator()(Step&& step) const noexcept {
        try {
            std::forward<Step>(step)();
        } catch (const std::exception& e) {
            AppLog::Skipped(handler_, e.what());
        } catch (...) {
            AppLog::Skipped(handler_, "unknown exception");
        }
    }

private:
    const char* handler_;
};
