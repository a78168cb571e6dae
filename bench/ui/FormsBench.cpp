// Creating the program's forms headless: 40 forms of 30 controls each (no backend linked).
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

BENCHMARK_MAIN();
