#pragma once

#include "edit/CAreaEditor.h"

#include <benchmark/benchmark.h>

// Times an undoable step, or with `timeUndo` its undo, each followed by
// `show`; the other half runs untimed, so every iteration leaves the area as
// it found it.
template <typename Step, typename Show>
void TimeStepOrUndo(benchmark::State& state, CAreaEditor& editor, bool timeUndo, Step step, Show show)
{
    for (auto _ : state) {
        if (timeUndo)
            state.PauseTiming();
        step();
        if (!timeUndo)
            show();
        if (timeUndo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        editor.Undo();
        if (timeUndo)
            show();
        else
            state.ResumeTiming();
    }
}
