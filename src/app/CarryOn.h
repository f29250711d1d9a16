#pragma once
// Window handlers carry on past a failing step: nothing thrown leaves an
// event handler, and the next step runs.

#include <utility>

template <class Step>
void CarryOn(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}
