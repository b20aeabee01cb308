#include "edit/key_filter_rule.h"

#include <benchmark/benchmark.h>

// The filter runs for every keystroke of the thread; a typing burst mixes
// digits, navigation, swallowed keys and modifier states.
static void BM_KeyFilterDecision(benchmark::State &state)
{
    KeyFilterInput inputs[64];
    for (int i = 0; i < 64; ++i) {
        inputs[i].code = (i % 17 == 0) ? -1 : 0;
        inputs[i].key = (uintptr_t)((i * 37 + 11) & 0xFF);
        inputs[i].shiftDown = (unsigned char)(i % 11 == 0);
        inputs[i].ctrlDown = (unsigned char)(i % 5 == 0);
        inputs[i].f3Down = (unsigned char)(i % 23 == 0);
        inputs[i].editFocus = (unsigned char)(i % 4);
        inputs[i].hexSelection = (unsigned char)(i % 3 == 0);
        inputs[i].otherWindow = 0;
    }
    int next = 0;
    for (auto _ : state) {
        uintptr_t handOn = 0;
        int swallow = KeyFilterSwallows(&inputs[next], &handOn);
        benchmark::DoNotOptimize(swallow);
        benchmark::DoNotOptimize(handOn);
        next = (next + 1) & 63;
    }
}
BENCHMARK(BM_KeyFilterDecision);

// The hook's way: every fact unknown, each answered when the rule asks for
// it, so one keystroke may take up to five calls of the rule.
static void BM_KeyFilterAskingForFacts(benchmark::State &state)
{
    KeyFilterInput truths[64];
    for (int i = 0; i < 64; ++i) {
        truths[i].code = (i % 17 == 0) ? -1 : 0;
        truths[i].key = (uintptr_t)((i * 37 + 11) & 0xFF);
        truths[i].shiftDown = (unsigned char)(i % 11 == 0);
        truths[i].ctrlDown = (unsigned char)(i % 5 == 0);
        truths[i].f3Down = (unsigned char)(i % 23 == 0);
        truths[i].editFocus = (unsigned char)(i % 4);
        truths[i].hexSelection = (unsigned char)(i % 3 == 0);
    }
    int next = 0;
    for (auto _ : state) {
        const KeyFilterInput &truth = truths[next];
        KeyFilterInput in = {truth.code, truth.key, KEY_FACT_UNKNOWN, KEY_FACT_UNKNOWN,
                             KEY_FACT_UNKNOWN, truth.editFocus, KEY_FACT_UNKNOWN,
                             KEY_FACT_UNKNOWN};
        uintptr_t handOn = 0;
        int verdict;
        while ((verdict = KeyFilterSwallows(&in, &handOn)) > KEY_FILTER_SWALLOW) {
            if (verdict == KEY_FILTER_NEEDS_WINDOW) {
                in.otherWindow = 0;
            } else if (verdict == KEY_FILTER_NEEDS_SHIFT) {
                in.shiftDown = truth.shiftDown;
            } else if (verdict == KEY_FILTER_NEEDS_CTRL) {
                in.ctrlDown = truth.ctrlDown;
            } else if (verdict == KEY_FILTER_NEEDS_F3) {
                in.f3Down = truth.f3Down;
            } else {
                in.hexSelection = truth.hexSelection;
            }
        }
        benchmark::DoNotOptimize(verdict);
        benchmark::DoNotOptimize(handOn);
        next = (next + 1) & 63;
    }
}
BENCHMARK(BM_KeyFilterAskingForFacts);
