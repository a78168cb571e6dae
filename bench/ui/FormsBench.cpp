// Creating the program's forms headless (no backend linked): 40 forms of 30 controls each, and
// single forms of growing size whose cost per component must stay flat.
#include <benchmark/benchmark.h>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include <memory>
#include <vector>

using namespace ui;

namespace {
void BuildForm(TForm& form)
{
    form.SetClientWidth(600);
    form.SetClientHeight(400);
    auto* top = new TPanel(&form);
    top->SetParent(&form);
    top->SetHeight(40);
    top->SetAlign(TAlign::alTop);
    auto* bottom = new TPanel(&form);
    bottom->SetParent(&form);
    bottom->SetHeight(40);
    bottom->SetAlign(TAlign::alBottom);
    for (int i = 0; i < 7; ++i) {
        int y = 50 + i * 30;
        auto* label = new TLabel(&form);
        label->SetParent(&form);
        label->SetBounds(10, y, 100, 17);
        label->SetCaption("Label");
        auto* edit = new TEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(120, y, 120, 21);
        edit->SetText("192.168.0.1");
        auto* combo = new TComboBox(&form);
        combo->SetParent(&form);
        combo->SetBounds(250, y, 120, 21);
        combo->Items()->Add("Cable");
        combo->Items()->Add("WiFi");
        combo->SetItemIndex(0);
        auto* check = new TCheckBox(&form);
        check->SetParent(&form);
        check->SetBounds(380, y, 100, 17);
        check->SetCaption("Enable");
    }
}

// A form as the panel builder makes them: every component owned by the form, rows of a label,
// an edit and a check box, each label pointing at its edit; on panels of perPanel controls, or
// all on the form when perPanel is 0.
void BuildLargeForm(TForm& form, int components, int perPanel)
{
    TWinControl* panel = perPanel == 0 ? static_cast<TWinControl*>(&form) : nullptr;
    int onPanel = 0;
    for (int made = 0; made < components;) {
        if (!panel || (perPanel != 0 && onPanel >= perPanel)) {
            panel = new TPanel(&form);
            panel->SetParent(&form);
            panel->SetBounds(0, made, 600, 400);
            onPanel = 0;
            ++made;
            continue;
        }
        const int y = onPanel * 10;
        auto* label = new TLabel(&form);
        label->SetParent(panel);
        label->SetBounds(10, y, 100, 17);
        label->SetCaption("Label");
        auto* edit = new TEdit(&form);
        edit->SetParent(panel);
        edit->SetBounds(120, y, 120, 21);
        label->SetFocusControl(edit);
        auto* check = new TCheckBox(&form);
        check->SetParent(panel);
        check->SetBounds(380, y, 100, 17);
        onPanel += 3;
        made += 3;
    }
}
}  // namespace

static void BM_Create40FormsOf30Controls(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::unique_ptr<TForm>> forms;
        forms.reserve(40);
        for (int f = 0; f < 40; ++f) {
            forms.push_back(std::make_unique<TForm>(nullptr));
            BuildForm(*forms.back());
        }
        benchmark::DoNotOptimize(forms.back()->ComponentCount());
    }
    state.counters["controls"] = 40 * 30;
}
BENCHMARK(BM_Create40FormsOf30Controls)->Unit(benchmark::kMillisecond);

// Builds and destroys one form of N components. The fitted complexity and the time per component
// ("per_component", which stays flat when the growth is linear) are printed.
static void BuildAndDestroy(benchmark::State& state, int perPanel)
{
    const int components = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto form = std::make_unique<TForm>(nullptr);
        BuildLargeForm(*form, components, perPanel);
        benchmark::DoNotOptimize(form->ComponentCount());
    }
    state.SetComplexityN(components);
    state.counters["per_component"] = benchmark::Counter(
        static_cast<double>(components), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

static void BM_BuildFormOnPanels(benchmark::State& state)
{
    BuildAndDestroy(state, 24);
}
BENCHMARK(BM_BuildFormOnPanels)->Arg(800)->Arg(1600)->Arg(3200)->Unit(benchmark::kMillisecond)->Complexity();

static void BM_BuildFlatForm(benchmark::State& state)
{
    BuildAndDestroy(state, 0);
}
BENCHMARK(BM_BuildFlatForm)->Arg(800)->Arg(1600)->Arg(3200)->Unit(benchmark::kMillisecond)->Complexity();

BENCHMARK_MAIN();
